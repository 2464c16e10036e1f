#include "cli/host/UnitProgramming.h"

#include <algorithm>

#include "link/HexText.h"
#include "report/RecordDigest.h"
#include "report/UnitBackup.h"
#include "ui/BenchIdentity.h"

namespace cli {
namespace {

using app::TStepProblem;

}  // namespace

std::optional<TStepProblem> ReadBackProblem(std::span<const std::uint16_t> written, const records::TKeyRead& read) {
    if (!read.Ok)
        return TStepProblem{app::TDeviceOutcome::ReadFailed, "The record could not be read back from the unit."};
    if (read.Length != written.size())
        return TStepProblem{app::TDeviceOutcome::VerifyFailed, "The record read back has " +
                                                                   std::to_string(read.Length) + " words, not " +
                                                                   std::to_string(written.size()) + "."};
    std::string differences;
    for (std::size_t word = 0; word < written.size(); ++word)
        if (read.Words[word] != written[word])
            differences += " word " + std::to_string(word) + " written " + devlink::HexDigits(written[word], 4) +
                           " read " + devlink::HexDigits(read.Words[word], 4) + ";";
    if (differences.empty()) return std::nullopt;
    differences.pop_back();
    return TStepProblem{app::TDeviceOutcome::VerifyFailed, "The record read back differs:" + differences + "."};
}

TProgramming ProgramUnit(const TFileSnapshot& file, const TProgramOptions& options, const TUnitPlace& place,
                         devlink::IChipLibrary& library, const TPlatform& platform) {
    TProgramming programming;
    TDeviceSession session(library, platform, !place.BackupFolder);
    if (place.Transport) session.ChooseTransport(*place.Transport);
    session.Settings().Load(file.Bytes());
    app::TProgramRequest request{.FollowUnit = true, .CheckedChip = options.CheckedChip, .Restart = options.Restart};
    if (place.BackupFolder) {
        // The adapter's name is held by the step itself: the step runs after this block.
        request.BeforeWrite = [&, adapter = session.Transports().ChosenPortName()](
                                  const app::TDeviceResult& identified, const records::TKeyRead& record,
                                  const records::TKeyRead& again) -> std::optional<TStepProblem> {
            const records::TUnitKind& kind = *identified.Kind;
            if (!record.Ok || !again.Ok) return TStepProblem{app::TDeviceOutcome::BackupFailed, kind.ReadFailure};
            const std::span<const std::uint16_t> words(record.Words.data(), record.Length);
            // A backup is what the unit holds: two reads that disagree tell of a link that
            // reports other words, and neither is kept.
            if (!std::ranges::equal(words, std::span<const std::uint16_t>(again.Words.data(), again.Length)))
                return TStepProblem{app::TDeviceOutcome::BackupFailed,
                                    "the unit's record read differently twice: no backup is taken of it"};
            const report::TBackupResult backup =
                report::SaveBackup(*identified.Unit, kind, words, {*place.BackupFolder, ui::ThisBench().Bench, adapter},
                                   platform.Clock.Now());
            if (backup.Problem) return TStepProblem{app::TDeviceOutcome::BackupFailed, *backup.Problem};
            programming.BackupPath = backup.Path;
            session.EchoPrompts(true);
            return std::nullopt;
        };
    }
    if (options.Verify)
        request.AfterWrite = [&programming](std::span<const std::uint16_t> written, const records::TKeyRead& readBack) {
            if (readBack.Ok)
                programming.ReadBackSha256 = report::RecordSha256(std::span(readBack.Words.data(), readBack.Length));
            return ReadBackProblem(written, readBack);
        };
    programming.Result = session.Program(request);
    programming.Told = programming.Result.Prompted && session.EchoesPrompts();
    return programming;
}

}  // namespace cli
