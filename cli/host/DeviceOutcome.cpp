#include "cli/host/DeviceOutcome.h"

namespace cli {

TOutcome OutcomeOf(app::TDeviceOutcome outcome) {
    switch (outcome) {
    case app::TDeviceOutcome::Succeeded: return TOutcome::Succeeded;
    case app::TDeviceOutcome::NoUnit: return TOutcome::NoUnit;
    case app::TDeviceOutcome::ForeignChip:
    case app::TDeviceOutcome::Refused: return TOutcome::Refused;
    case app::TDeviceOutcome::ReadFailed: return TOutcome::ReadFailed;
    case app::TDeviceOutcome::WriteFailed: return TOutcome::WriteFailed;
    }
    return TOutcome::NoUnit;
}

int ExitCodeOf(TOutcome outcome) {
    switch (outcome) {
    case TOutcome::Succeeded: return kExitOk;
    case TOutcome::NoUnit: return kExitNoUnit;
    case TOutcome::Refused: return kExitRefused;
    case TOutcome::ReadFailed: return kExitReadFailed;
    case TOutcome::WriteFailed:
    case TOutcome::VerifyFailed: return kExitWriteFailed;
    case TOutcome::BackupFailed: return kExitBackupFailed;
    }
    return kExitUsage;
}

const char* OutcomeName(TOutcome outcome) {
    switch (outcome) {
    case TOutcome::Succeeded: return "ok";
    case TOutcome::NoUnit: return "no unit";
    case TOutcome::Refused: return "refused";
    case TOutcome::ReadFailed: return "read failed";
    case TOutcome::WriteFailed: return "write failed";
    case TOutcome::VerifyFailed: return "verify failed";
    case TOutcome::BackupFailed: return "backup failed";
    }
    return "";
}

}  // namespace cli
