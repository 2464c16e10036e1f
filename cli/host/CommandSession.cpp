#include "cli/host/CommandSession.h"

namespace cli {
namespace {

// The program settings file would be named after the executable; the command line has
// none (TNoProgramSettings), so the name only has to be a name.
constexpr const char* kExecutableName = "zenta";

}  // namespace

TCommandSession::TCommandSession(devlink::IChipLibrary& library, const TPlatform& platform, bool echoPrompts)
    : services_(platform.Clock, platform.Sleeper, platform.Messages, echoPrompts),
      form_(services_.Services, library, kExecutableName) {
    form_.FormCreate();
    form_.FormShow();
    form_.Timer1Timer();
}

// An empty path cancels the dialog, which is no failure: the window then does nothing.
std::optional<std::string> TCommandSession::Problem(const app::TFileResult& result) {
    if (result.Outcome == app::TFileOutcome::Succeeded || result.Outcome == app::TFileOutcome::Cancelled)
        return std::nullopt;
    return result.Message;
}

std::optional<std::string> TCommandSession::LoadFile(const std::string& path) {
    services_.Dialogs.Answers = {path};
    return Problem(form_.LoadFileButtonClick());
}

std::optional<std::string> TCommandSession::SaveFile(const std::string& path) {
    services_.Dialogs.Answers = {path};
    return Problem(form_.SaveFileButtonClick());
}

app::TDeviceResult TCommandSession::ProgramDevice(const app::TProgramRequest& request, bool restart) {
    services_.Prompts.AnswerRestart = restart;
    return form_.ProgramDevice(request);
}

void TCommandSession::ChooseTransport(const TChosenTransport& chosen) { ApplyTransport(form_.Transports, chosen); }

void TCommandSession::ChooseNamedTransport(const std::optional<std::string>& spec) {
    if (spec) ChooseTransport(ResolveTransport(form_.Transports, *spec));
}

}  // namespace cli
