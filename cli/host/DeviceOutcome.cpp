#include "cli/host/DeviceOutcome.h"

#include "cli/framework/ExitCodes.h"

namespace cli {
namespace {

using app::TDeviceOutcome;

// A foreign chip is a refused unit, like a unit of another kind or series; a record that
// reads back otherwise than it was written is a failed write.
constexpr TOutcomeRow kOutcomes[] = {
    {TDeviceOutcome::Succeeded, "ok", kExitOk, "done"},
    {TDeviceOutcome::NoUnit, "no unit", kExitNoUnit, "no unit"},
    {TDeviceOutcome::ForeignChip, "refused", kExitRefused, "unit refused"},
    {TDeviceOutcome::Refused, "refused", kExitRefused, "unit refused"},
    {TDeviceOutcome::ReadFailed, "read failed", kExitReadFailed, "a PS key of the unit cannot be read"},
    {TDeviceOutcome::WriteFailed, "write failed", kExitWriteFailed, "the record write failed"},
    {TDeviceOutcome::VerifyFailed, "verify failed", kExitWriteFailed, "the record write failed"},
    {TDeviceOutcome::BackupFailed, "backup failed", kExitBackupFailed, "the unit's backup failed"},
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
