#pragma once
// The program started headless, as program entry starts it: the window made over a
// chip library, FormCreate, the first FormShow and the timer's one tick that chooses the
// transport. Tests, fuzz targets and benchmarks all start it here, stopping earlier
// where they look at start-up itself.

#include <filesystem>
#include <memory>
#include <string>

#include "app/MajorForm.h"
#include "sim/SimBench.h"
#include "sim/SimLibrary.h"
#include "ui/Headless.h"

namespace testing_support {

// An executable in a folder that does not exist: start-up finds no program settings
// file beside it and touches no file.
inline std::string NowhereExecutable() {
    return (std::filesystem::temp_directory_path() / "zenta-no-such-folder" / "ZENTAUserProgrammer.exe").string();
}

// How far start-up has gone, in its order.
enum class TStartStage { Made, Created, Shown, TransportChosen };

// Runs the start-up steps after `from` up to `until`.
inline void StartUp(app::TMajorForm& form, TStartStage from, TStartStage until) {
    if (from < TStartStage::Created && until >= TStartStage::Created) form.FormCreate();
    if (from < TStartStage::Shown && until >= TStartStage::Shown) form.FormShow();
    if (from < TStartStage::TransportChosen && until >= TStartStage::TransportChosen) form.Timer1.Fire();
}

inline std::unique_ptr<app::TMajorForm> StartProgram(ui::THeadlessServices& env, devlink::IChipLibrary& library,
                                                     const std::string& executable, TStartStage until) {
    auto form = std::make_unique<app::TMajorForm>(env.Services, library, executable);
    StartUp(*form, TStartStage::Made, until);
    return form;
}

// A simulated bench with a factory handset on the link, and its library.
struct TSimulatedLink {
    sim::TSimBench Bench;
    sim::TSimLibrary Library{Bench};
};

// One run of the program over the given library: its platform services and its window,
// started as far as asked.
struct THeadlessProgram {
    explicit THeadlessProgram(devlink::IChipLibrary& library, const std::string& executable = NowhereExecutable(),
                              TStartStage until = TStartStage::TransportChosen)
        : Form(Env.Services, library, executable) {
        StartUp(Form, TStartStage::Made, until);
    }

    ui::THeadlessServices Env;
    app::TMajorForm Form;
};

// A run of the program over a simulated link of its own.
struct TStartedForm : TSimulatedLink, THeadlessProgram {
    explicit TStartedForm(const std::string& executable = NowhereExecutable(),
                          TStartStage until = TStartStage::TransportChosen)
        : THeadlessProgram(Library, executable, until) {}
};

}  // namespace testing_support
