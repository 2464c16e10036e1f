#include "cli/host/CommandSession.h"

#include <sstream>

#include "files/SettingsFile.h"

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

void TCommandSession::LoadSettings(const std::string& bytes) {
    std::istringstream in(bytes);
    files::LoadSettingsFile(form_, in);
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
