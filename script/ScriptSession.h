#pragma once
// The world a script runs in: its own temporary folder, the headless platform services,
// the simulated unit on its bench with the simulated libraries in front of it, the
// message loop's timers and, once started, the main window.

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "app/MajorForm.h"
#include "script/VirtualTimers.h"
#include "sim/SimBench.h"
#include "sim/SimLibrary.h"
#include "ui/Headless.h"
#include "ui/ScratchFolder.h"

namespace script {

inline constexpr const char* kDefaultExecutable = "ZENTAUserProgrammer.exe";

class TScriptSession {
public:
    TScriptSession();

    ui::TScratchFolder Folder;
    ui::TCurrentFolder InFolder{Folder.Path()};
    ui::THeadlessServices Env;
    sim::TSimBench Bench = sim::TSimBench::Empty();  // nothing on the link until a unit is put there
    // The library's latencies and hangs pass on the script's clock, apart from the
    // program's own sleeps.
    ui::THeadlessSleep LibrarySleeper{Env.Clock};
    sim::TSimLibrary Library{Bench, LibrarySleeper};
    TVirtualTimers Timers{Env.Clock};

    // What the window will see at start. A relative path is handed on as it is: the
    // current folder is the script's own, and the window shows the path the script gave.
    std::string ExecutablePath;
    std::optional<std::string> ProgramSettingsContent;  // the INI file's bytes, when it is to exist

    // Program entry: writes the program settings file, creates the window (FormCreate)
    // and shows it (FormShow). The timer has not ticked yet.
    void Start();
    bool Started() const { return form_ != nullptr; }
    // Throws TScriptError before Start.
    app::TMajorForm& Form();
    // A control of the window by its name, nullptr for none. Throws before Start.
    ui::TControl* FindControl(const std::string& name);

private:
    std::unique_ptr<app::TMajorForm> form_;
    std::unordered_map<std::string, ui::TControl*> controls_;
};

}  // namespace script
