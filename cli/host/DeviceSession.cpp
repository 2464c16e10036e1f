#include "cli/host/DeviceSession.h"

namespace cli {

int TMessagePrompts::ShowModal(const ui::TPromptWindow& window) {
    if (Echo) {
        std::string text = window.Text;
        for (char& c : text)
            if (c == '\n' || c == '\r') c = ' ';
        messages_ << window.Caption << ": " << text << '\n';
    }
    const auto focused = static_cast<std::size_t>(window.Focused);
    if (focused >= 1 && focused <= window.Buttons.size()) return window.Buttons[focused - 1].Result;
    return ui::mrOk;
}

TDeviceSession::TDeviceSession(devlink::IChipLibrary& library, const TPlatform& platform, bool echoPrompts)
    : prompts_(platform.Messages, echoPrompts),
      connection_(library, transports_, platform.Sleeper),
      log_(platform.Clock, logLines_) {
    devlink::EnumerateTransports(library, transports_);
    devlink::ChooseTransport(transports_);
}

void TDeviceSession::ChooseNamedTransport(const std::optional<std::string>& spec) {
    if (spec) ChooseTransport(devlink::ResolveTransport(transports_, *spec));
}

app::TDeviceContext TDeviceSession::Context() {
    return {settings_.Editor(), connection_, settings_.Prompter(), log_, settings_.Units()};
}

app::TDeviceResult TDeviceSession::Detect() {
    app::TDeviceContext context = Context();
    return app::DetectDevice(context);
}

app::TDeviceResult TDeviceSession::Read() {
    app::TDeviceContext context = Context();
    return app::ReadDevice(context);
}

app::TDeviceResult TDeviceSession::Program(const app::TProgramRequest& request) {
    app::TDeviceContext context = Context();
    return app::ProgramDevice(context, request);
}

app::TDeviceResult TDeviceSession::Restart() {
    app::TDeviceContext context = Context();
    return app::RestartDevice(context);
}

}  // namespace cli
