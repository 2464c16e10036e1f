// The installers' commands on this process's streams, clock, chip libraries and Ctrl-C.

#include "cli/framework/CommandContext.h"

namespace cli {

int RunShowCommand(const TArgs& args) { return RunShowCommand(args, SystemContext()); }
int RunDiffCommand(const TArgs& args) { return RunDiffCommand(args, SystemContext()); }
int RunCheckCommand(const TArgs& args) { return RunCheckCommand(args, SystemContext()); }
int RunReadCommand(const TArgs& args) { return RunReadCommand(args, SystemContext()); }
int RunProgramCommand(const TArgs& args) { return RunProgramCommand(args, SystemContext()); }
int RunRestartCommand(const TArgs& args) { return RunRestartCommand(args, SystemContext()); }

}  // namespace cli
