#include "cli/host/UnitAccess.h"

#include <stdexcept>

#include "cli/framework/ExitCodes.h"
#ifdef _WIN32
#include "link/win32/LibraryBinding.h"
#include "ui/win32/ExecutablePath.h"
#else
#include "sim/SimLibrary.h"
#include "sim/SimStateFile.h"
#endif

namespace cli {
namespace {

using app::TDeviceOutcome;

// A foreign chip is a refused unit, like a unit of another kind or series; a record that
// reads back otherwise than it was written is a failed write.
constexpr TOutcomeRow kOutcomes[] = {
    {TDeviceOutcome::Succeeded, "ok", kExitOk},
    {TDeviceOutcome::NoUnit, "no unit", kExitNoUnit},
    {TDeviceOutcome::ForeignChip, "refused", kExitRefused},
    {TDeviceOutcome::Refused, "refused", kExitRefused},
    {TDeviceOutcome::ReadFailed, "read failed", kExitReadFailed},
    {TDeviceOutcome::WriteFailed, "write failed", kExitWriteFailed},
    {TDeviceOutcome::VerifyFailed, "verify failed", kExitWriteFailed},
    {TDeviceOutcome::BackupFailed, "backup failed", kExitBackupFailed},
};

const TOutcomeRow& RowOf(TDeviceOutcome outcome) {
    for (const TOutcomeRow& row : kOutcomes)
        if (row.Outcome == outcome) return row;
    return kOutcomes[0];
}

// What keeps the library from reaching any unit, when it knows; empty otherwise.
#ifdef _WIN32
std::string LibraryProblem(const devlink::IChipLibrary&) { return {}; }
#else
std::string LibraryProblem(const devlink::IChipLibrary& library) {
    const auto* simulated = dynamic_cast<const sim::TSimLibrary*>(&library);
    return simulated == nullptr ? std::string() : simulated->LastError();
}
#endif

}  // namespace

#ifdef _WIN32
std::unique_ptr<devlink::IChipLibrary> OpenUnitLibrary() {
    return std::make_unique<devlink::win32::TLibraryBinding>(ui::win32::ExecutableFolder());
}
#else
std::unique_ptr<devlink::IChipLibrary> OpenUnitLibrary() {
    return std::make_unique<sim::TSimLibrary>(sim::TSimStateFile(sim::TSimStateFile::DefaultPath()));
}
#endif

devlink::IChipLibrary* ReachUnitLibrary(const char* command, TCommandContext& context) {
    try {
        return &context.UnitLibrary();
    } catch (const std::runtime_error& error) {
        std::string text = error.what();
        for (char& c : text)
            if (c == '\n') c = ' ';
        context.Err << "zenta " << command << ": " << text << '\n';
        return nullptr;
    }
}

int FinishDeviceCommand(const char* command, const app::TDeviceResult& result, bool told,
                        const devlink::IChipLibrary& library, TCommandContext& context) {
    const app::TDeviceOutcome outcome = result.Outcome;
    if (outcome == app::TDeviceOutcome::Succeeded) return ExitCodeOf(outcome);
    if (!told) context.Err << "zenta " << command << ": " << OutcomeName(outcome) << ": " << result.Message << '\n';
    const std::string problem = LibraryProblem(library);
    if (outcome == app::TDeviceOutcome::NoUnit && !problem.empty())
        context.Err << "zenta " << command << ": " << problem << '\n';
    return ExitCodeOf(outcome);
}

std::span<const TOutcomeRow> OutcomeTable() { return kOutcomes; }

int ExitCodeOf(TDeviceOutcome outcome) { return RowOf(outcome).ExitCode; }

const char* OutcomeName(TDeviceOutcome outcome) { return RowOf(outcome).Name; }

}  // namespace cli
