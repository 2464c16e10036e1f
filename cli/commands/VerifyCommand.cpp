// `zenta verify FILE.wpx`: whether the attached unit holds what programming the file
// would write to it.

#include <algorithm>
#include <cstdio>
#include <span>

#include "cli/commands/SettingDifferences.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/CommandSession.h"
#include "cli/host/HeadlessEditor.h"
#include "cli/host/LoadedFile.h"
#include "cli/host/UnitAccess.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta verify [--json] [--transport T] FILE.wpx\n"
    "Reads the attached unit as READ DEVICE does and compares its settings with what\n"
    "PROGRAM DEVICE would write to a unit of its kind and edition from the settings file;\n"
    "nothing is written. Differing settings are listed as zenta diff lists them: caption,\n"
    "the unit's value -> the file's value. --transport reads the unit on that transport\n"
    "(see zenta transports). --json gives the same as one JSON object.\n"
    "Exit status: 0 the unit holds what the file gives, 1 they differ, 2 bad usage,\n"
    "3 the file cannot be read, 4 no unit, 5 unit refused, 6 reading the unit failed.\n"
    "See docs/cli.md.\n";

struct TWordDifference {
    std::size_t Word;
    std::uint16_t Unit;
    std::uint16_t File;
};

std::string Hex(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
    return text;
}

// The words both records have; a record of another length differs besides.
std::vector<TWordDifference> WordDifferences(std::span<const std::uint16_t> unit, std::span<const std::uint16_t> file) {
    std::vector<TWordDifference> differences;
    for (std::size_t i = 0; i < std::min(unit.size(), file.size()); ++i)
        if (unit[i] != file[i]) differences.push_back({i, unit[i], file[i]});
    return differences;
}

}  // namespace

int RunVerifyCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("verify", kUsage);
    bool asJson = false;
    std::optional<std::string> transport;
    std::string path;
    line.Flag("--json", asJson);
    line.Option("--transport", transport);
    line.Positional("FILE.wpx", path);
    return line.Run(args, context, [&] {
        const auto file = ReadSnapshot(path, "verify", context);
        if (!file) return kExitFileError;
        devlink::IChipLibrary* library = ReachUnitLibrary("verify", context);
        if (library == nullptr) return kExitNoUnit;
        TCommandSession unit(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, false);
        unit.ChooseNamedTransport(transport);
        const app::TDeviceResult read = unit.ReadDevice();
        if (read.Outcome != app::TDeviceOutcome::Succeeded)
            return FinishDeviceCommand("verify", read, false, *library, context);

        // What programming the file writes to this unit, and how READ DEVICE would then
        // show it, from the file's bytes and the record layer alone.
        const records::TUnitKind& kind = *read.Kind;
        THeadlessEditor loaded;
        loaded.Load(file->Bytes());
        const records::TRecordWords written = loaded.RecordFor(kind, *read.Unit);
        THeadlessEditor programmed;
        programmed.ShowRecord(kind, *read.Unit, written);
        const std::vector<TDifference> settings =
            Differences(unit.Form(), programmed.Editor(),
                        [&kind](const files::TShownSetting& s) { return files::OnPages(s, kind.Pages); });
        // Bits no setting shows still count: the unit must hold the very record.
        const std::vector<TWordDifference> words = WordDifferences(read.Words, written);
        const bool sameLength = read.Words.size() == written.size();
        const bool same = sameLength && words.empty() && settings.empty();
        const std::string unitText = records::VersionText(*read.Kind, *read.Unit);
        if (asJson) {
            TJson listed = TJson::array();
            for (const TWordDifference& w : words)
                listed.push_back({{"word", w.Word}, {"unit", Hex(w.Unit)}, {"file", Hex(w.File)}});
            WriteJson(context.Out, {{"unit", JsonText(unitText)},
                                    {"file", JsonText(path)},
                                    {"differences", DifferencesJson(settings, "unit", "file")},
                                    {"words", listed},
                                    {"recordWords", {{"unit", read.Words.size()}, {"file", written.size()}}}});
        } else if (same) {
            context.Out << unitText << " holds what " << path << " gives\n";
        } else {
            PrintDifferences(context.Out, "unit " + unitText, path, settings);
            if (settings.empty()) {
                context.Out << "--- unit " << unitText << "\n+++ " << path << '\n';
                for (const TWordDifference& w : words)
                    context.Out << "  record word " << w.Word << "  " << Hex(w.Unit) << " -> " << Hex(w.File) << '\n';
            }
            if (!sameLength)
                context.Out << "  the unit's record has " << read.Words.size() << " words, not the " << written.size()
                            << " a write gives\n";
        }
        return same ? kExitOk : kExitFindings;
    });
}

}  // namespace cli
