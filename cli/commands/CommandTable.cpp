// Every command of `zenta`, in the order its --help lists them.

#include "cli/commands/Commands.h"

namespace cli {

int RunCommandLine(const TArgs& args, TCommandContext& context) {
    TCommandLine line(context);
    for (auto add : {AddShowCommand, AddDiffCommand, AddCheckCommand, AddReportCommand, AddLogCommand, AddReadCommand,
                     AddProgramCommand, AddRestartCommand, AddRestoreCommand, AddVerifyCommand, AddTransportsCommand,
                     AddScriptCommand, AddSimCommand})
        add(line);
    return line.Run(args);
}

}  // namespace cli
