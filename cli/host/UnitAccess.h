#pragma once
// Reaching the attached unit from a command: the chip libraries (on Windows the chip
// maker's TESTENGINE.DLL and TESTFLASH.DLL beside the executable, or the simulated ones
// put in their place; elsewhere the simulated unit of the shared state file), and how a
// command on the unit ends: each outcome of the window's device actions with the words a
// result column gives it and its exit code.

#include <memory>
#include <span>
#include <string>

#include "app/ActionResult.h"
#include "cli/framework/CommandContext.h"
#include "link/ChipLibrary.h"

namespace cli {

// Throws std::runtime_error naming the library that cannot be bound.
std::unique_ptr<devlink::IChipLibrary> OpenUnitLibrary();

// Nullptr, after a one-line message, when the library cannot be bound.
devlink::IChipLibrary* ReachUnitLibrary(const char* command, TCommandContext& context);

struct TOutcomeRow {
    app::TDeviceOutcome Outcome;
    const char* Name;  // "no unit": in result lines and in the production record
    int ExitCode;
};

std::span<const TOutcomeRow> OutcomeTable();
int ExitCodeOf(app::TDeviceOutcome outcome);
const char* OutcomeName(app::TDeviceOutcome outcome);

// The exit code of the action's outcome. A failure gets one line "zenta COMMAND: cause:
// message" unless the window's prompt told it already (`told`), and the library's own
// reason when no unit answered (an unreadable state file of the simulated unit).
int FinishDeviceCommand(const char* command, const app::TDeviceResult& result, bool told,
                        const devlink::IChipLibrary& library, TCommandContext& context);

}  // namespace cli
