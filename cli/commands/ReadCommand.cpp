// `zenta read`: READ DEVICE on the attached unit, and what was read.

#include "cli/commands/SettingsReport.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/CommandSession.h"
#include "cli/host/UnitAccess.h"
#include "files/SettingsFile.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta read [--json] [--output FILE.wpx] [--transport NAME|INDEX]\n"
    "Runs READ DEVICE on the attached unit and shows the unit's version text and every\n"
    "setting of its kind as the window shows them after the read. --output saves the\n"
    "window's settings with SAVE FILE: what was read, the other unit kind at its defaults.\n"
    "The window's prompts become messages on standard error. --json gives the same as one\n"
    "JSON object. --transport reads the unit on that transport (see zenta transports)\n"
    "instead of the window's first one.\n"
    "Exit status: 0 read, 2 bad usage, 3 the output file cannot be saved, 4 no unit,\n"
    "5 unit refused, 6 reading the unit failed. See docs/cli.md.\n";

// The settings on the pages of the kind read, and the edition.
std::vector<TReportedSetting> SettingsOfKind(const app::TMajorForm& form, const records::TUnitKind& kind) {
    std::vector<TReportedSetting> report;
    for (files::TShownSetting& shown : files::ShownSettings(form))
        if (files::OnPages(shown, kind.Pages)) report.push_back({std::move(shown), false, {}, {}});
    return report;
}

// The unit as the window's version label shows it after the read.
void Report(std::ostream& out, const app::TMajorForm& form, const app::TDeviceResult& read,
            const std::optional<std::string>& output, bool asJson) {
    const std::vector<TReportedSetting> settings = SettingsOfKind(form, *read.Kind);
    const std::string unit = records::VersionText(*read.Kind, *read.Unit);
    if (!asJson) {
        out << unit << '\n';
        PrintSettings(out, settings);
        if (output) out << "saved to " << *output << '\n';
        return;
    }
    TJson json = {{"unit", JsonText(unit)}};
    if (output) json["output"] = JsonText(*output);
    json["settings"] = SettingsJson(settings);
    WriteJson(out, json);
}

}  // namespace

int RunReadCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("read", kUsage);
    bool asJson = false;
    std::optional<std::string> output;
    std::optional<std::string> transport;
    line.Flag("--json", asJson);
    line.Option("--output", output);
    line.Option("--transport", transport);
    return line.Run(args, context, [&] {
        devlink::IChipLibrary* library = ReachUnitLibrary("read", context);
        if (library == nullptr) return kExitNoUnit;
        TCommandSession session(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, true);
        session.ChooseNamedTransport(transport);
        const app::TDeviceResult read = session.ReadDevice();
        if (read.Outcome != app::TDeviceOutcome::Succeeded)
            return FinishDeviceCommand("read", read, read.Prompted, *library, context);
        // The settings as SAVE FILE writes them, with its message when the file cannot be.
        if (output && !ui::ReplaceFileContent(*output, files::SettingsFileText(session.Form()))) {
            context.Err << "zenta read: " << *output << ": The file could not be saved\n";
            return kExitFileError;
        }
        Report(context.Out, session.Form(), read, output, asJson);
        return kExitOk;
    });
}

}  // namespace cli
