// `zenta diff A.wpx B.wpx`: the settings two files give differently, as the window shows
// them after loading each.

#include "cli/commands/SettingDifferences.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/LoadedFile.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta diff [--json] A.wpx B.wpx\n"
    "Loads each settings file as LOAD FILE does and lists the settings that differ, by page\n"
    "and caption, with the value each file leads to. Files that differ only in what the\n"
    "loader disregards (reserved keys, the fixed Radio PTT line, a value that reads the\n"
    "same) are equal. --json gives the same as one JSON object.\n"
    "Exit status: 0 equal, 1 they differ, 2 bad usage, 3 a file cannot be read. See\n"
    "docs/cli.md.\n";

}  // namespace

int RunDiffCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("diff", kUsage);
    bool asJson = false;
    std::string pathA;
    std::string pathB;
    line.Flag("--json", asJson);
    line.Positional("A.wpx", pathA);
    line.Positional("B.wpx", pathB);
    return line.Run(args, context, [&] {
        const auto a = OpenSettingsFile(pathA, "diff", context);
        if (!a) return kExitFileError;
        const auto b = OpenSettingsFile(pathB, "diff", context);
        if (!b) return kExitFileError;
        const std::vector<TDifference> differences = Differences(a->Editor(), b->Editor());
        if (asJson)
            WriteJson(context.Out, {{"a", JsonText(pathA)},
                                    {"b", JsonText(pathB)},
                                    {"differences", DifferencesJson(differences, "a", "b")}});
        else
            PrintDifferences(context.Out, pathA, pathB, differences);
        return differences.empty() ? kExitOk : kExitFindings;
    });
}

}  // namespace cli
