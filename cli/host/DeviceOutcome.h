#pragma once
// How a command on the attached unit ended, in the command line's terms: what the
// window's device action did, and the read-back check that only the command line makes.

#include "app/ActionResult.h"
#include "cli/framework/ExitCodes.h"

namespace cli {

// VerifyFailed: the record read back after programming is not the one written.
// BackupFailed: the unit's settings could not be read and saved before programming it.
enum class TOutcome { Succeeded, NoUnit, Refused, ReadFailed, WriteFailed, VerifyFailed, BackupFailed };

// A foreign chip is a refused unit, like a unit of another kind or series.
TOutcome OutcomeOf(app::TDeviceOutcome outcome);

int ExitCodeOf(TOutcome outcome);
// A few words for a result column: "ok", "no unit", "refused", ...
const char* OutcomeName(TOutcome outcome);

}  // namespace cli
