// `zenta verify FILE.wpx`: whether the attached unit holds what programming the file
// would write to it.

#include <algorithm>
#include <cstdio>

#include "cli/commands/SettingDifferences.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/LoadedFile.h"
#include "cli/host/UnitAccess.h"
#include "cli/host/UnitReplica.h"
#include "link/UnitCodes.h"

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

std::vector<std::uint16_t> RecordOf(const std::vector<std::uint16_t>& words) {
    std::vector<std::uint16_t> record = words;
    record.resize(devlink::kRecordWords, 0);
    return record;
}

// What programming the file writes to a unit of this identity, shown as READ DEVICE
// would show it afterwards: the file is programmed into a replica of the unit, whose
// record is then read back.
class TProgrammedFile {
public:
    TProgrammedFile(const TFileSnapshot& file, const records::TUnitIdentity& unit, TCommandContext& context)
        : replica_(unit, TPlatform{context.Clock, context.Sleeper, context.Err}) {
        TCommandSession& session = replica_.Session();
        problem_ = session.LoadFile(file.CopyPath());
        if (problem_) return;
        session.ProgramDevice({.FollowUnit = true}, false);
        read_ = session.ReadDevice();
    }

    const std::optional<std::string>& Problem() const { return problem_; }
    const app::TMajorForm& Form() const { return replica_.Session().Form(); }
    const std::vector<std::uint16_t>& Words() const { return read_.Words; }

private:
    TUnitReplica replica_;
    std::optional<std::string> problem_;
    app::TDeviceResult read_;
};

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

std::vector<TWordDifference> WordDifferences(const std::vector<std::uint16_t>& unit,
                                             const std::vector<std::uint16_t>& file) {
    const std::vector<std::uint16_t> a = RecordOf(unit);
    const std::vector<std::uint16_t> b = RecordOf(file);
    std::vector<TWordDifference> differences;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) differences.push_back({i, a[i], b[i]});
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

        const TProgrammedFile programmed(*file, *read.Unit, context);
        if (programmed.Problem()) {
            context.Err << "zenta verify: " << path << ": " << *programmed.Problem() << '\n';
            return kExitFileError;
        }
        const records::TUnitKind& kind = *read.Kind;
        const std::vector<TDifference> settings =
            Differences(unit.Form(), programmed.Form(), [&kind](const TShownSetting& s) { return OfKind(s, kind); });
        // Bits no setting shows still count: the unit must hold the very record.
        const std::vector<TWordDifference> words = WordDifferences(read.Words, programmed.Words());
        const std::string unitText = records::VersionText(*read.Kind, *read.Unit);
        if (asJson) {
            TJson listed = TJson::array();
            for (const TWordDifference& w : words)
                listed.push_back({{"word", w.Word}, {"unit", Hex(w.Unit)}, {"file", Hex(w.File)}});
            WriteJson(context.Out, {{"unit", JsonText(unitText)},
                                    {"file", JsonText(path)},
                                    {"differences", DifferencesJson(settings, "unit", "file")},
                                    {"words", listed}});
        } else if (words.empty() && settings.empty()) {
            context.Out << unitText << " holds what " << path << " gives\n";
        } else {
            PrintDifferences(context.Out, "unit " + unitText, path, settings);
            if (settings.empty()) {
                context.Out << "--- unit " << unitText << "\n+++ " << path << '\n';
                for (const TWordDifference& w : words)
                    context.Out << "  record word " << w.Word << "  " << Hex(w.Unit) << " -> " << Hex(w.File) << '\n';
            }
        }
        return words.empty() && settings.empty() ? kExitOk : kExitFindings;
    });
}

}  // namespace cli
