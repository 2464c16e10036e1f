#pragma once
// The window's device actions for one command, each run on its narrow context as the
// window runs it, but with no window: a settings editor of the command's own, the
// transports as start-up lists and chooses them (or the one the command names), the
// connection, the unit memory and an activity log nobody reads. Prompts become the
// command's messages, each closed as Enter closes it; the one question, whether to
// restart a programmed unit, is answered by the command's request, never by a prompt.

#include <optional>
#include <ostream>
#include <string>

#include "app/ActivityLog.h"
#include "app/UserActions.h"
#include "link/Connection.h"
#include "link/TransportChoice.h"
#include "report/HeadlessEditor.h"

namespace cli {

// The platform a command runs on; tests give virtual time and string streams.
struct TPlatform {
    ui::IClock& Clock;
    ui::ISleep& Sleeper;     // the pauses between PS key retries
    std::ostream& Messages;  // the prompts, as messages
};

// Each prompt, when echoed, is one line on the message stream: its caption and its text
// with line breaks turned into blanks.
class TMessagePrompts : public ui::IPromptService {
public:
    TMessagePrompts(std::ostream& messages, bool echo) : Echo(echo), messages_(messages) {}
    int ShowModal(const ui::TPromptWindow& window) override;
    bool Echo;

private:
    std::ostream& messages_;
};

class TDeviceSession {
public:
    // Prompts become messages only when `echoPrompts`.
    TDeviceSession(devlink::IChipLibrary& library, const TPlatform& platform, bool echoPrompts);
    TDeviceSession(const TDeviceSession&) = delete;
    TDeviceSession& operator=(const TDeviceSession&) = delete;

    // Every later connection opens `chosen` instead of start-up's entry 0.
    void ChooseTransport(const devlink::TChosenTransport& chosen) { devlink::ApplyTransport(transports_, chosen); }
    // The transport a command line named (devlink::ResolveTransport), or start-up's choice without
    // one. Throws TUsageError for a name that is no transport.
    void ChooseNamedTransport(const std::optional<std::string>& spec);
    const devlink::TTransportTable& Transports() const { return transports_; }

    report::THeadlessEditor& Settings() { return settings_; }
    const editor::TSettingsEditor& Editor() const { return settings_.Editor(); }

    app::TDeviceResult Detect();
    app::TDeviceResult Read();
    app::TDeviceResult Program(const app::TProgramRequest& request);
    app::TDeviceResult Restart();

    void EchoPrompts(bool echo) { prompts_.Echo = echo; }
    bool EchoesPrompts() const { return prompts_.Echo; }

private:
    app::TDeviceContext Context();

    TMessagePrompts prompts_;
    report::THeadlessEditor settings_{prompts_};
    devlink::TTransportTable transports_;
    devlink::TConnection connection_;
    ui::TMemo logLines_{"InfoMemo"};
    app::TActivityLog log_;
};

}  // namespace cli
