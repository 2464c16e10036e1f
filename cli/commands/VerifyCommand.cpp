// `zenta verify FILE.wpx`: whether the attached unit holds what programming the file
// would write to it.

#include <algorithm>
#include <span>

#include "cli/commands/Commands.h"
#include "cli/commands/SettingDifferences.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/DeviceSession.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/UnitAccess.h"
#include "link/HexText.h"
#include "report/HeadlessEditor.h"

namespace cli {
namespace {

struct TVerifyOptions {
    bool Json = false;
    std::optional<std::string> Transport;
    std::string Path;
};

struct TWordDifference {
    std::size_t Word;
    std::uint16_t Unit;
    std::uint16_t File;
};

// The words both records have; a record of another length differs besides.
std::vector<TWordDifference> WordDifferences(std::span<const std::uint16_t> unit, std::span<const std::uint16_t> file) {
    std::vector<TWordDifference> differences;
    for (std::size_t i = 0; i < std::min(unit.size(), file.size()); ++i)
        if (unit[i] != file[i]) differences.push_back({i, unit[i], file[i]});
    return differences;
}

int RunVerify(const TVerifyOptions& options, TCommandContext& context) {
    const std::string& path = options.Path;
    const auto file = ReadSnapshot(path, "verify", context);
    if (!file) return kExitFileError;
    devlink::IChipLibrary* library = ReachUnitLibrary("verify", context);
    if (library == nullptr) return kExitNoUnit;
    TDeviceSession unit(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, false);
    unit.ChooseNamedTransport(options.Transport);
    const app::TDeviceResult read = unit.Read();
    if (read.Outcome != app::TDeviceOutcome::Succeeded)
        return FinishDeviceCommand("verify", read, false, *library, context);

    // What programming the file writes to this unit, and how READ DEVICE would then
    // show it, from the file's bytes and the record layer alone.
    const records::TUnitKind& kind = *read.Kind;
    report::THeadlessEditor loaded;
    loaded.Load(file->Bytes());
    const records::TRecordWords written = loaded.RecordFor(kind, *read.Unit);
    report::THeadlessEditor programmed;
    programmed.ShowRecord(kind, *read.Unit, written);
    const std::vector<TDifference> settings =
        files::Differences(unit.Editor(), programmed.Editor(),
                           [&kind](const files::TShownSetting& s) { return files::OnPages(s, kind.Pages); });
    // Bits no setting shows still count: the unit must hold the very record.
    const std::vector<TWordDifference> words = WordDifferences(read.Words, written);
    const bool sameLength = read.Words.size() == written.size();
    const bool same = sameLength && words.empty() && settings.empty();
    const std::string unitText = records::VersionText(*read.Kind, *read.Unit);
    if (options.Json) {
        TJson listed = TJson::array();
        for (const TWordDifference& w : words)
            listed.push_back(
                {{"word", w.Word}, {"unit", devlink::HexDigits(w.Unit, 4)}, {"file", devlink::HexDigits(w.File, 4)}});
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
                context.Out << "  record word " << w.Word << "  " << devlink::HexDigits(w.Unit, 4) << " -> "
                            << devlink::HexDigits(w.File, 4) << '\n';
        }
        if (!sameLength)
            context.Out << "  the unit's record has " << read.Words.size() << " words, not the " << written.size()
                        << " a write gives\n";
    }
    return same ? kExitOk : kExitFindings;
}

}  // namespace

void AddVerifyCommand(TCommandLine& line) {
    auto options = std::make_shared<TVerifyOptions>();
    CLI::App& verify = line.AddCommand(
        "verify", "whether the attached unit holds what programming FILE would write",
        "Reads the attached unit as READ DEVICE does and compares it with what PROGRAM DEVICE would write to a unit "
        "of its kind and edition from the settings file; nothing is written. Differing settings are listed as "
        "zenta diff lists them, the unit's value first; records that differ only in bits no setting shows list "
        "their words.");
    AddJsonFlag(verify, options->Json);
    AddTransportOption(verify, options->Transport);
    verify.add_option("FILE.wpx", options->Path, "the settings file")->required();
    line.OnRun(verify, [options](TCommandContext& context) { return RunVerify(*options, context); });
}

}  // namespace cli
