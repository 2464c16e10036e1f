#pragma once
// The sub-commands of `zenta`. Each takes the arguments after its own name and returns
// the process exit code.

#include <string>
#include <vector>

namespace cli {

using TArgs = std::vector<std::string>;

int RunScriptCommand(const TArgs& args);
int RunSimCommand(const TArgs& args);

}  // namespace cli
