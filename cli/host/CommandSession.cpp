#include "cli/host/CommandSession.h"

#include "records/KeyTransfer.h"

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

app::TDeviceResult TCommandSession::ProgramDevice(bool restart) {
    services_.Prompts.AnswerRestart = restart;
    return form_.ProgramDeviceButtonClick();
}

void TCommandSession::ChooseTransport(const TChosenTransport& chosen) { ApplyTransport(form_.Transports, chosen); }

void TCommandSession::ChooseNamedTransport(const std::optional<std::string>& spec) {
    if (spec) ChooseTransport(ResolveTransport(form_.Transports, *spec));
}

std::optional<std::vector<std::uint16_t>> TCommandSession::ReadKeyWords(std::uint16_t key) {
    form_.Connection.OpenConnection();
    const records::TKeyRead read = records::ReadKey(form_.Connection, key);
    form_.Connection.CloseConnection();
    if (!read.Ok) return std::nullopt;
    return std::vector<std::uint16_t>(read.Words.begin(), read.Words.begin() + read.Length);
}

}  // namespace cli
