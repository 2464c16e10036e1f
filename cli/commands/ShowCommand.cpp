// `zenta show FILE.wpx`: every setting of a settings file as the window shows it after
// loading the file.

#include "cli/commands/Commands.h"
#include "cli/commands/SettingsReport.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/FileSnapshot.h"

namespace cli {
namespace {

struct TShowOptions {
    bool Json = false;
    std::string Path;
};

std::vector<TReportedSetting> Report(const TLoadedFile& loaded) {
    std::vector<TReportedSetting> report;
    for (files::TShownSetting& shown : files::ShownSettings(loaded.Editor())) {
        const files::TFileKey& key = *shown.Key;
        const auto given = loaded.Report().Given.find(&key);
        TReportedSetting setting{std::move(shown), true, std::nullopt, std::nullopt};
        if (given != loaded.Report().Given.end()) setting.FileValue = given->second.Value;
        const files::TAcceptedValues accepted = files::AcceptedValues(loaded.Editor(), key);
        if (setting.FileValue && !key.FixedOnLoad && !accepted.Accepts(*setting.FileValue)) setting.Outside = accepted;
        report.push_back(std::move(setting));
    }
    return report;
}

int RunShow(const TShowOptions& options, TCommandContext& context) {
    const auto loaded = OpenSettingsFile(options.Path, "show", context);
    if (!loaded) return kExitFileError;
    const std::vector<TReportedSetting> report = Report(*loaded);
    if (options.Json)
        WriteJson(context.Out, {{"file", JsonText(loaded->File().Path())}, {"settings", SettingsJson(report)}});
    else
        PrintSettings(context.Out, report);
    return kExitOk;
}

}  // namespace

void AddShowCommand(TCommandLine& line) {
    auto options = std::make_shared<TShowOptions>();
    CLI::App& show = line.AddCommand(
        "show", "every setting of a settings file as the window shows it",
        "Shows every setting of the settings file as the window shows it after LOAD FILE: page, caption and value "
        "(item text, volts, the edition). A value of the file that lies outside its range or list is marked with "
        "'!': the window holds it as it is or shows no selection. A setting the file does not give is marked "
        "'(not in the file)' and shows its default.");
    AddJsonFlag(show, options->Json);
    show.add_option("FILE.wpx", options->Path, "the settings file")->required();
    line.OnRun(show, [options](TCommandContext& context) { return RunShow(*options, context); });
}

}  // namespace cli
