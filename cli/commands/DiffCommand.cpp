// `zenta diff A.wpx B.wpx`: the settings two files give differently, as the window shows
// them after loading each.

#include <algorithm>
#include <iomanip>

#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/LoadedFile.h"
#include "cli/commands/ShownSettings.h"
#include "files/FileKeys.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta diff [--json] A.wpx B.wpx\n"
    "Loads each settings file into the window and lists the settings that differ, by page\n"
    "and caption, with the value each file leads to. Files that differ only in what the\n"
    "loader disregards (reserved keys, the fixed Radio PTT line, a value that reads the\n"
    "same) are equal. --json gives the same as one JSON object.\n"
    "Exit status: 0 equal, 1 they differ, 2 bad usage, 3 a file cannot be read. See\n"
    "docs/cli.md.\n";

struct TDifference {
    TShownSetting A;
    TShownSetting B;
};

// Settings are compared by what the window holds, the number a file would be saved with.
std::vector<TDifference> Differences(const TLoadedFile& a, const TLoadedFile& b) {
    std::vector<TDifference> differences;
    for (TShownSetting& shown : ShownSettings(a.Form()))
        if (files::FileValue(a.Form(), *shown.Key) != files::FileValue(b.Form(), *shown.Key))
            differences.push_back({shown, ShowSetting(b.Form(), *shown.Key)});
    return differences;
}

std::string Shown(const std::string& value) { return value.empty() ? "(none)" : value; }

void Print(std::ostream& out, const TLoadedFile& a, const TLoadedFile& b, const std::vector<TDifference>& differences) {
    if (differences.empty()) return;
    out << "--- " << a.File().Path() << "\n+++ " << b.File().Path() << '\n';
    std::size_t width = 0;
    for (const TDifference& d : differences) width = std::max(width, d.A.Caption.size());
    const std::string* page = nullptr;
    for (const TDifference& d : differences) {
        if (page == nullptr || *page != d.A.Page) {
            page = &d.A.Page;
            out << *page << '\n';
        }
        out << "  " << std::left << std::setw(static_cast<int>(width)) << d.A.Caption << "  " << Shown(d.A.Value)
            << " -> " << Shown(d.B.Value) << '\n';
    }
}

void WriteDifferencesJson(std::ostream& out, const TLoadedFile& a, const TLoadedFile& b,
               const std::vector<TDifference>& differences) {
    TJson listed = TJson::array();
    for (const TDifference& d : differences)
        listed.push_back({{"key", JsonText(files::KeyText(d.A.Key->Key))},
                          {"page", JsonText(d.A.Page)},
                          {"caption", JsonText(d.A.Caption)},
                          {"a", JsonText(d.A.Value)},
                          {"b", JsonText(d.B.Value)}});
    WriteJson(out, {{"a", JsonText(a.File().Path())}, {"b", JsonText(b.File().Path())}, {"differences", listed}});
}

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
        const auto a = LoadSettingsFile(pathA, "diff", context);
        if (!a) return kExitFileError;
        const auto b = LoadSettingsFile(pathB, "diff", context);
        if (!b) return kExitFileError;
        const std::vector<TDifference> differences = Differences(*a, *b);
        if (asJson)
            WriteDifferencesJson(context.Out, *a, *b, differences);
        else
            Print(context.Out, *a, *b, differences);
        return differences.empty() ? kExitOk : kExitFindings;
    });
}

}  // namespace cli
