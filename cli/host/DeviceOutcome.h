#pragma once
// How a device action of the window ended, told from the prompts it showed: the
// workflow's own success or failure message, or none of them when the unit was not
// found on the link at all.

#include <string>
#include <vector>

#include "cli/framework/ExitCodes.h"
#include "ui/Services.h"

namespace cli {

// VerifyFailed: the record read back after programming is not the one written.
enum class TOutcome { Succeeded, NoUnit, Refused, ReadFailed, WriteFailed, VerifyFailed };

struct TDeviceOutcome {
    TOutcome Outcome = TOutcome::NoUnit;
    std::string Message;  // the prompt text that told it; empty when none did
};

// The outcome of READ DEVICE or PROGRAM DEVICE from the prompts the click showed and
// whether the window closed (the foreign-chip refusal ends the program). Prompts of the
// editor rules along the way (a key-press map error, the Find-Me warning) tell nothing
// about the outcome and are passed over.
TDeviceOutcome OutcomeOfClick(const std::vector<ui::TPromptWindow>& shown, bool windowClosed);

int ExitCodeOf(TOutcome outcome);
// A few words for a result column: "ok", "no unit", "refused", ...
const char* OutcomeName(TOutcome outcome);

}  // namespace cli
