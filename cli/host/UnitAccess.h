#pragma once
// What the commands on the attached unit share: the library that reaches it, and the
// one-line account of a failure.

#include <string>

#include "cli/framework/CommandContext.h"
#include "cli/host/DeviceOutcome.h"

namespace cli {

// Nullptr, after a one-line message, when the library cannot be bound.
devlink::IChipLibrary* ReachUnitLibrary(const char* command, TCommandContext& context);

// The exit code of the outcome. A failure gets one line "zenta COMMAND: cause: message"
// unless the window's prompt told it already, and the library's own reason when no unit
// answered.
int FinishDeviceCommand(const char* command, TOutcome outcome, const std::string& message, bool prompted,
                        const devlink::IChipLibrary& library, TCommandContext& context);

}  // namespace cli
