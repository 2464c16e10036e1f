#include "cli/host/DeviceOutcome.h"

#include "cli/framework/ExitCodes.h"

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

}  // namespace

std::span<const TOutcomeRow> OutcomeTable() { return kOutcomes; }

int ExitCodeOf(TDeviceOutcome outcome) { return RowOf(outcome).ExitCode; }

const char* OutcomeName(TDeviceOutcome outcome) { return RowOf(outcome).Name; }

}  // namespace cli
