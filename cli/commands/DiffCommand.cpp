// `zenta diff A.wpx B.wpx`: the settings two files give differently, as the window shows
// them after loading each.

#include "cli/commands/Commands.h"
#include "cli/commands/SettingDifferences.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/FileSnapshot.h"

namespace cli {
namespace {

struct TDiffOptions {
    bool Json = false;
    std::string PathA;
    std::string PathB;
};

int RunDiff(const TDiffOptions& options, TCommandContext& context) {
    const auto a = OpenSettingsFile(options.PathA, "diff", context);
    if (!a) return kExitFileError;
    const auto b = OpenSettingsFile(options.PathB, "diff", context);
    if (!b) return kExitFileError;
    const std::vector<TDifference> differences = files::Differences(a->Editor(), b->Editor());
    if (options.Json)
        WriteJson(context.Out, {{"a", JsonText(options.PathA)},
                                {"b", JsonText(options.PathB)},
                                {"differences", DifferencesJson(differences, "a", "b")}});
    else
        PrintDifferences(context.Out, options.PathA, options.PathB, differences);
    return differences.empty() ? kExitOk : kExitFindings;
}

}  // namespace

void AddDiffCommand(TCommandLine& line) {
    auto options = std::make_shared<TDiffOptions>();
    CLI::App& diff = line.AddCommand(
        "diff", "the settings two files give differently",
        "Loads each settings file as LOAD FILE does and lists the settings that differ, by page and caption, with "
        "the value each file leads to. Files that differ only in what the loader disregards (reserved keys, the "
        "fixed Radio PTT line, a value that reads the same) are equal.");
    AddJsonFlag(diff, options->Json);
    diff.add_option("A.wpx", options->PathA, "the first settings file")->required();
    diff.add_option("B.wpx", options->PathB, "the second settings file")->required();
    line.OnRun(diff, [options](TCommandContext& context) { return RunDiff(*options, context); });
}

}  // namespace cli
