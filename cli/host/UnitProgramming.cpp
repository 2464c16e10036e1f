#include "cli/host/UnitProgramming.h"

#include <cstdio>

#include "cli/host/UnitBackup.h"

namespace cli {
namespace {

using app::TStepProblem;

std::string Hex(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(word));
    return text;
}

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
            differences += " word " + std::to_string(word) + " written " + Hex(written[word]) + " read " +
                           Hex(read.Words[word]) + ";";
    if (differences.empty()) return std::nullopt;
    differences.pop_back();
    return TStepProblem{app::TDeviceOutcome::VerifyFailed, "The record read back differs:" + differences + "."};
}

TProgramming ProgramUnit(const TFileSnapshot& file, const TProgramOptions& options, const TUnitPlace& place,
                         devlink::IChipLibrary& library, const TPlatform& platform) {
    TProgramming programming;
    TCommandSession session(library, platform, !place.BackupFolder);
    if (place.Transport) session.ChooseTransport(*place.Transport);
    session.LoadSettings(file.Bytes());
    app::TProgramRequest request{.FollowUnit = true, .CheckedChip = options.CheckedChip};
    if (place.BackupFolder) {
        // The adapter's name is held by the step itself: the step runs after this block.
        request.BeforeWrite = [&, adapter = session.Form().Transports.ChosenPortName()](
                                  const app::TDeviceResult& identified,
                                  const records::TKeyRead& record) -> std::optional<TStepProblem> {
            const records::TUnitKind& kind = *identified.Kind;
            if (!record.Ok) return TStepProblem{app::TDeviceOutcome::BackupFailed, kind.ReadFailure};
            const std::span<const std::uint16_t> words(record.Words.data(), record.Length);
            const TBackupResult backup =
                SaveBackup(*identified.Unit, kind, words, adapter, platform, *place.BackupFolder);
            if (backup.Problem) return TStepProblem{app::TDeviceOutcome::BackupFailed, *backup.Problem};
            programming.BackupPath = backup.Path;
            session.EchoPrompts(true);
            return std::nullopt;
        };
    }
    if (options.Verify) request.AfterWrite = ReadBackProblem;
    programming.Result = session.ProgramDevice(request, options.Restart);
    programming.Told = programming.Result.Prompted && session.EchoesPrompts();
    return programming;
}

}  // namespace cli
