// `zenta sim`: the simulated unit on the bench, in the state file the programmer's
// simulated libraries use as well.

#include <iostream>

#include "cli/framework/Commands.h"
#include "sim/SimCommandLine.h"
#include "sim/SimStateFile.h"

namespace cli {

int RunSimCommand(const TArgs& args) {
    const sim::TSimStateFile stateFile(sim::TSimStateFile::DefaultPath());
    return sim::RunSimCommandLine(args, stateFile, std::cout, std::cerr);
}

}  // namespace cli
