// Every command of `zenta`, on this process's own context.

#include "cli/framework/CommandContext.h"

namespace cli {
namespace {

template <int (*Command)(const TArgs&, TCommandContext&)>
int OnSystem(const TArgs& args) {
    return Command(args, SystemContext());
}

constexpr TCommand kCommands[] = {
    {"show", "show FILE", "every setting of a settings file as the window shows it", OnSystem<RunShowCommand>},
    {"diff", "diff A B", "the settings two files give differently", OnSystem<RunDiffCommand>},
    {"check", "check FILE", "what loading a file would skip or leave unselected", OnSystem<RunCheckCommand>},
    {"log", "log RECORD", "a production record counted by result, kind, settings file and adapter",
     OnSystem<RunLogCommand>},
    {"read", "read", "READ DEVICE on the attached unit", OnSystem<RunReadCommand>},
    {"program", "program FILE", "LOAD FILE and PROGRAM DEVICE; --count N for a production run",
     OnSystem<RunProgramCommand>},
    {"restart", "restart", "RESTART DEVICE on the attached unit", OnSystem<RunRestartCommand>},
    {"restore", "restore BACKUP", "write a unit's backup back to it word for word and read it back",
     OnSystem<RunRestoreCommand>},
    {"verify", "verify FILE", "whether the attached unit holds what programming FILE would write",
     OnSystem<RunVerifyCommand>},
    {"transports", "transports", "the transports --transport can name", OnSystem<RunTransportsCommand>},
    {"script", "script FILE|-", "run a script against the headless programmer and a simulated unit",
     OnSystem<RunScriptCommand>},
    {"sim", "sim COMMAND", "show or change the simulated units on the bench", OnSystem<RunSimCommand>},
};

}  // namespace

std::span<const TCommand> Commands() { return kCommands; }

}  // namespace cli
