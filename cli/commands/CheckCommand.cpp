// `zenta check FILE.wpx`: everything a load of the file would skip, read as 0 or leave
// without a selection, as the load itself finds it.

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/FileSnapshot.h"

namespace cli {
namespace {

struct TCheckOptions {
    bool Json = false;
    std::string Path;
};

void Print(std::ostream& out, const std::string& path, const std::vector<files::TFinding>& findings) {
    for (const files::TFinding& finding : findings) out << files::FindingLine(path, finding) << '\n';
    out << path << ": " << findings.size() << (findings.size() == 1 ? " finding" : " findings") << '\n';
}

void WriteFindingsJson(std::ostream& out, const std::string& path, const std::vector<files::TFinding>& findings) {
    TJson listed = TJson::array();
    for (const files::TFinding& finding : findings)
        listed.push_back({{"kind", JsonText(files::FindingName(finding.Kind))},
                          {"line", finding.Line > 0 ? TJson(finding.Line) : TJson(nullptr)},
                          {"key", JsonText(finding.Key)},
                          {"page", JsonText(finding.Page)},
                          {"caption", JsonText(finding.Caption)},
                          {"detail", JsonText(finding.Detail)}});
    WriteJson(out, {{"file", JsonText(path)}, {"findings", listed}});
}

int RunCheck(const TCheckOptions& options, TCommandContext& context) {
    const auto loaded = OpenSettingsFile(options.Path, "check", context);
    if (!loaded) return kExitFileError;
    const std::vector<files::TFinding>& findings = loaded->Report().Findings;
    if (options.Json)
        WriteFindingsJson(context.Out, loaded->File().Path(), findings);
    else
        Print(context.Out, loaded->File().Path(), findings);
    return findings.empty() ? kExitOk : kExitFindings;
}

}  // namespace

void AddCheckCommand(TCommandLine& line) {
    auto options = std::make_shared<TCheckOptions>();
    CLI::App& check = line.AddCommand(
        "check", "what loading a file would skip or leave unselected",
        "Reports, line by line, what LOAD FILE would skip or leave without a selection: lines that give no "
        "setting, unknown keys, keys given twice, reserved keys that are not 0, values without digits, values "
        "outside their range or list, and missing keys.");
    AddJsonFlag(check, options->Json);
    check.add_option("FILE.wpx", options->Path, "the settings file")->required();
    line.OnRun(check, [options](TCommandContext& context) { return RunCheck(*options, context); });
}

}  // namespace cli
