#include "cli/host/CommandSession.h"

#include "records/Identification.h"
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

std::optional<std::string> TCommandSession::WithDialogAnswer(ui::TButton& button, const std::string& path) {
    services_.Messages.Shown.clear();
    services_.Dialogs.Answers = {path};
    button.UserClick();
    if (services_.Messages.Shown.empty()) return std::nullopt;
    return services_.Messages.Shown.back().Text;
}

std::optional<std::string> TCommandSession::LoadFile(const std::string& path) {
    return WithDialogAnswer(form_.LoadFileButton, path);
}

std::optional<std::string> TCommandSession::SaveFile(const std::string& path) {
    return WithDialogAnswer(form_.SaveFileButton, path);
}

TDeviceOutcome TCommandSession::Click(ui::TButton& button) {
    const std::size_t before = services_.Prompts.Shown.size();
    button.UserClick();
    const auto& shown = services_.Prompts.Shown;
    return OutcomeOfClick({shown.begin() + static_cast<std::ptrdiff_t>(before), shown.end()}, form_.Closed);
}

TDeviceOutcome TCommandSession::ReadDevice() { return Click(form_.ReadDeviceButton); }

TDeviceOutcome TCommandSession::ProgramDevice(bool restart) {
    services_.Prompts.AnswerRestart = restart;
    return Click(form_.ProgramDeviceButton);
}

TDeviceOutcome TCommandSession::DetectDevice() {
    if (form_.DetectDevice()) return {TOutcome::Succeeded, ""};
    const auto& shown = services_.Prompts.Shown;
    return {form_.Closed ? TOutcome::Refused : TOutcome::NoUnit, shown.empty() ? "" : shown.back().Text};
}

TIdentification TCommandSession::IdentifyUnit() {
    const TDeviceOutcome detected = DetectDevice();
    if (detected.Outcome != TOutcome::Succeeded) return {detected.Outcome, detected.Message, {}};
    form_.Connection.OpenConnection();
    const std::optional<records::TUnitIdentity> unit = records::ReadUnitIdentity(form_);
    form_.Connection.CloseConnection();
    if (!unit) return {TOutcome::ReadFailed, records::kUnitTypeUnreadable, {}};
    return {TOutcome::Succeeded, "", *unit};
}

std::optional<std::vector<std::uint16_t>> TCommandSession::ReadKeyWords(std::uint16_t key) {
    form_.Connection.OpenConnection();
    const records::TKeyRead read = records::ReadKey(form_.Connection, key);
    form_.Connection.CloseConnection();
    if (!read.Ok) return std::nullopt;
    return std::vector<std::uint16_t>(read.Words.begin(), read.Words.begin() + read.Length);
}

}  // namespace cli
