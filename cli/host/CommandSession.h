#pragma once
// The main window run headless for one command: started as the program starts (creation,
// first show, and the timer's tick that chooses the transport) and driven by its device
// actions.

#include <optional>
#include <ostream>
#include <string>

#include "app/MajorForm.h"
#include "cli/host/CommandServices.h"
#include "cli/host/TransportChoice.h"

namespace cli {

// The platform a command runs on; tests give virtual time and string streams.
struct TPlatform {
    ui::IClock& Clock;
    ui::ISleep& Sleeper;     // the pauses between PS key retries
    std::ostream& Messages;  // the prompts, as messages
};

class TCommandSession {
public:
    // Prompts become messages only when `echoPrompts`; they are kept either way.
    TCommandSession(devlink::IChipLibrary& library, const TPlatform& platform, bool echoPrompts);

    // Every later connection opens `chosen` instead of the window's entry 0 (ApplyTransport).
    void ChooseTransport(const TChosenTransport& chosen);
    // The transport a command line named (ResolveTransport), or, without one, the
    // window's own choice. Throws TUsageError for a name that is no transport.
    void ChooseNamedTransport(const std::optional<std::string>& spec);

    app::TMajorForm& Form() { return form_; }
    const app::TMajorForm& Form() const { return form_; }

    // What LOAD FILE does with a file's bytes, without its dialog.
    void LoadSettings(const std::string& bytes);

    // The window's device actions. The restart question of PROGRAM DEVICE is answered by
    // `restart`.
    app::TDeviceResult ReadDevice() { return form_.ReadDeviceButtonClick(); }
    app::TDeviceResult ProgramDevice(const app::TProgramRequest& request, bool restart);
    void RestartDevice() { form_.RestartButtonClick(); }
    app::TDeviceResult DetectDevice() { return form_.DetectDevice(); }

    // Whether prompts become messages from now on.
    void EchoPrompts(bool echo) { services_.Prompts.Echo = echo; }
    bool EchoesPrompts() const { return services_.Prompts.Echo; }

private:
    TCommandServices services_;
    app::TMajorForm form_;
};

}  // namespace cli
