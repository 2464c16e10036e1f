#pragma once
// What the commands on the attached unit share: the library that reaches it, and the
// one-line account of a failure.

#include <string>

#include "cli/framework/CommandContext.h"
#include "cli/host/DeviceOutcome.h"

namespace cli {

// Nullptr, after a one-line message, when the library cannot be bound.
devlink::IChipLibrary* ReachUnitLibrary(const char* command, TCommandContext& context);

// The exit code of the action's outcome. A failure gets one line "zenta COMMAND: cause:
// message" unless the window's prompt told it already (`told`), and the library's own
// reason when no unit answered.
int FinishDeviceCommand(const char* command, const app::TDeviceResult& result, bool told,
                        const devlink::IChipLibrary& library, TCommandContext& context);

}  // namespace cli
