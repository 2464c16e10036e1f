#pragma once
// How a command on the attached unit ends: each outcome of the window's device actions
// with the few words a result column gives it and its exit code.

#include <span>

#include "app/ActionResult.h"

namespace cli {

struct TOutcomeRow {
    app::TDeviceOutcome Outcome;
    const char* Name;  // "no unit": in result lines and in the production record
    int ExitCode;
};

std::span<const TOutcomeRow> OutcomeTable();

int ExitCodeOf(app::TDeviceOutcome outcome);
const char* OutcomeName(app::TDeviceOutcome outcome);

}  // namespace cli
