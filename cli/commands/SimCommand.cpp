// `zenta sim`: the simulated unit on the bench, in the state file the programmer's
// simulated libraries use as well.

#include "cli/framework/CommandContext.h"
#include "sim/SimCommandLine.h"
#include "sim/SimStateFile.h"

namespace cli {

int RunSimCommand(const TArgs& args, TCommandContext& context) {
    const sim::TSimStateFile stateFile(sim::TSimStateFile::DefaultPath());
    return sim::RunSimCommandLine(args, stateFile, context.Out, context.Err);
}

}  // namespace cli
