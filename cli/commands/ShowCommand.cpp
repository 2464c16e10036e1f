// `zenta show FILE.wpx`: every setting of a settings file as the window shows it after
// loading the file.

#include "cli/commands/SettingsReport.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/LoadedFile.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta show [--json] FILE.wpx\n"
    "Shows every setting of the settings file as the window shows it after LOAD FILE:\n"
    "page, caption and value (item text, volts, the edition). A value of the file that lies\n"
    "outside its range or list is marked with '!': the window holds it as it is or shows\n"
    "no selection. A setting the file does not give is marked '(not in the file)' and shows\n"
    "its default. --json gives the same as one JSON object.\n"
    "Exit status: 0 shown, 2 bad usage, 3 the file cannot be read. See docs/cli.md.\n";

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

}  // namespace

int RunShowCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("show", kUsage);
    bool asJson = false;
    std::string path;
    line.Flag("--json", asJson);
    line.Positional("FILE.wpx", path);
    return line.Run(args, context, [&] {
        const auto loaded = OpenSettingsFile(path, "show", context);
        if (!loaded) return kExitFileError;
        const std::vector<TReportedSetting> report = Report(*loaded);
        if (!asJson) {
            PrintSettings(context.Out, report);
            return kExitOk;
        }
        WriteJson(context.Out, {{"file", JsonText(loaded->File().Path())}, {"settings", SettingsJson(report)}});
        return kExitOk;
    });
}

}  // namespace cli
