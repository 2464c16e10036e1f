// `zenta check FILE.wpx`: everything a load of the file would skip, read as 0 or leave
// without a selection, as the load itself finds it.

#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/LoadedFile.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta check [--json] FILE.wpx\n"
    "Reports, line by line, what LOAD FILE would skip or leave without a selection:\n"
    "lines that give no setting, unknown keys, keys given twice, reserved keys that are not\n"
    "0, values without digits, values outside their range or list, and missing keys.\n"
    "--json gives the same as one JSON object.\n"
    "Exit status: 0 nothing to report, 1 findings, 2 bad usage, 3 the file cannot be read.\n"
    "See docs/cli.md.\n";

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

}  // namespace

int RunCheckCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("check", kUsage);
    bool asJson = false;
    std::string path;
    line.Flag("--json", asJson);
    line.Positional("FILE.wpx", path);
    return line.Run(args, context, [&] {
        const auto loaded = OpenSettingsFile(path, "check", context);
        if (!loaded) return kExitFileError;
        const std::vector<files::TFinding>& findings = loaded->Report().Findings;
        if (asJson)
            WriteFindingsJson(context.Out, loaded->File().Path(), findings);
        else
            Print(context.Out, loaded->File().Path(), findings);
        return findings.empty() ? kExitOk : kExitFindings;
    });
}

}  // namespace cli
