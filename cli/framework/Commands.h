#pragma once
// The sub-commands of `zenta`. Each takes the arguments after its own name and returns
// the process exit code.

#include <string>
#include <vector>

namespace cli {

using TArgs = std::vector<std::string>;

int RunScriptCommand(const TArgs& args);
int RunSimCommand(const TArgs& args);
// The installers' commands (docs/cli.md); CommandContext.h has them for tests.
int RunShowCommand(const TArgs& args);
int RunDiffCommand(const TArgs& args);
int RunCheckCommand(const TArgs& args);
int RunReadCommand(const TArgs& args);
int RunProgramCommand(const TArgs& args);
int RunRestartCommand(const TArgs& args);

}  // namespace cli
