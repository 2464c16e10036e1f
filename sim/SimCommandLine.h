#pragma once
// `zenta sim`: show or change the simulated unit on the bench kept in a state file.

#include <iosfwd>
#include <string>
#include <vector>

#include "sim/SimStateFile.h"

namespace sim {

// Runs one `zenta sim` command line (the arguments after "sim") against the bench in
// `stateFile`. Returns 0 on success, 1 when the state file cannot be read or written,
// 2 on bad usage (with a one-line message on `err`).
int RunSimCommandLine(const std::vector<std::string>& args, const TSimStateFile& stateFile,
                      std::ostream& out, std::ostream& err);

// What `zenta sim show` prints for a bench.
std::string DescribeBench(const TSimBench& bench);

}  // namespace sim
