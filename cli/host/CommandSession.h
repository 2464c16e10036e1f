#pragma once
// The main window run headless for one command: started as the program starts (creation,
// first show, and the timer's tick that chooses the transport), driven by clicks on its
// buttons, with file dialogs answered by the paths the command was given.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/MajorForm.h"
#include "cli/host/CommandServices.h"
#include "cli/host/DeviceOutcome.h"
#include "records/UnitIdentity.h"

namespace cli {

// The platform a command runs on; tests give virtual time and string streams.
struct TPlatform {
    ui::IClock& Clock;
    ui::ISleep& Sleeper;    // the pauses between PS key retries
    std::ostream& Messages; // the prompts, as messages
};

// The unit on the link as identification finds it, before any workflow runs.
struct TIdentification {
    TOutcome Outcome = TOutcome::NoUnit;  // Succeeded when the unit-type key was read
    std::string Message;                  // the prompt that told a failure
    records::TUnitIdentity Unit;
};

class TCommandSession {
public:
    // Prompts become messages only when `echoPrompts`; they are kept either way.
    TCommandSession(devlink::IChipLibrary& library, const TPlatform& platform, bool echoPrompts);

    app::TMajorForm& Form() { return form_; }
    const app::TMajorForm& Form() const { return form_; }

    // LOAD FILE and SAVE FILE with the dialog answered by `path`: empty when done, else the
    // message the window showed ("The file could not be opened").
    std::optional<std::string> LoadFile(const std::string& path);
    std::optional<std::string> SaveFile(const std::string& path);

    // READ DEVICE and PROGRAM DEVICE, judged by the prompts of the click. The restart
    // question of PROGRAM DEVICE is answered by `restart`.
    TDeviceOutcome ReadDevice();
    TDeviceOutcome ProgramDevice(bool restart);
    void RestartDevice() { form_.RestartButton.UserClick(); }

    // The window's chip check: Succeeded, NoUnit, or Refused for a foreign chip (which
    // closes the window).
    TDeviceOutcome DetectDevice();
    // The chip check, then the unit-type and version keys on a connection of its own, as
    // every device workflow starts.
    TIdentification IdentifyUnit();
    // The words of a PS key of the unit on the link, as many as the read gave, on a
    // connection of its own; empty when the key cannot be read.
    std::optional<std::vector<std::uint16_t>> ReadKeyWords(std::uint16_t key);

private:
    std::optional<std::string> WithDialogAnswer(ui::TButton& button, const std::string& path);
    // The click's outcome from the prompts it showed.
    TDeviceOutcome Click(ui::TButton& button);

    TCommandServices services_;
    app::TMajorForm form_;
};

}  // namespace cli
