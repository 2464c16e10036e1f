// `zenta read`: READ DEVICE on the attached unit, and what was read.

#include "cli/commands/Commands.h"
#include "cli/commands/SettingsReport.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/DeviceSession.h"
#include "cli/host/UnitAccess.h"
#include "files/SettingsFile.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

struct TReadOptions {
    bool Json = false;
    std::optional<std::string> Output;
    std::optional<std::string> Transport;
};

// The settings on the pages of the kind read, and the edition.
std::vector<TReportedSetting> SettingsOfKind(const editor::TSettingsEditor& form, const records::TUnitKind& kind) {
    std::vector<TReportedSetting> report;
    for (files::TShownSetting& shown : files::ShownSettings(form))
        if (files::OnPages(shown, kind.Pages)) report.push_back({std::move(shown), false, {}, {}});
    return report;
}

// The unit as the window's version label shows it after the read.
void Report(std::ostream& out, const editor::TSettingsEditor& form, const app::TDeviceResult& read,
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

int RunRead(const TReadOptions& options, TCommandContext& context) {
    devlink::IChipLibrary* library = ReachUnitLibrary("read", context);
    if (library == nullptr) return kExitNoUnit;
    TDeviceSession session(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, true);
    session.ChooseNamedTransport(options.Transport);
    const app::TDeviceResult read = session.Read();
    if (read.Outcome != app::TDeviceOutcome::Succeeded)
        return FinishDeviceCommand("read", read, read.Prompted, *library, context);
    // The settings as SAVE FILE writes them, with its message when the file cannot be.
    if (options.Output && !ui::ReplaceFileContent(*options.Output, files::SettingsFileText(session.Editor()))) {
        context.Err << "zenta read: " << *options.Output << ": The file could not be saved\n";
        return kExitFileError;
    }
    Report(context.Out, session.Editor(), read, options.Output, options.Json);
    return kExitOk;
}

}  // namespace

void AddReadCommand(TCommandLine& line) {
    auto options = std::make_shared<TReadOptions>();
    CLI::App& read = line.AddCommand(
        "read", "READ DEVICE on the attached unit",
        "Runs READ DEVICE on the attached unit and shows the unit's version text and every setting of its kind as "
        "the window shows them after the read. The prompts become messages on standard error.");
    AddJsonFlag(read, options->Json);
    read.add_option("--output", options->Output,
                    "also save the settings as SAVE FILE does: what was read, the other unit kind at its defaults")
        ->type_name("FILE.wpx");
    AddTransportOption(read, options->Transport);
    line.OnRun(read, [options](TCommandContext& context) { return RunRead(*options, context); });
}

}  // namespace cli
