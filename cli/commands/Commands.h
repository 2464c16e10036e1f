#pragma once
// The commands of `zenta`, each declared on the command line by its own file, and the
// options several of them share, declared the same way everywhere.

#include <optional>
#include <string>

#include "cli/framework/CommandLine.h"
#include "cli/framework/JsonOutput.h"

namespace sim {
class TSimStateFile;
}  // namespace sim

namespace cli {

// The commands on files never reach a unit.
void AddShowCommand(TCommandLine& line);
void AddDiffCommand(TCommandLine& line);
void AddCheckCommand(TCommandLine& line);
void AddReportCommand(TCommandLine& line);
void AddLogCommand(TCommandLine& line);
// The commands on the attached unit.
void AddReadCommand(TCommandLine& line);
void AddProgramCommand(TCommandLine& line);
void AddRestartCommand(TCommandLine& line);
void AddRestoreCommand(TCommandLine& line);
void AddVerifyCommand(TCommandLine& line);
void AddTransportsCommand(TCommandLine& line);
// The script language and the simulated unit's bench.
void AddScriptCommand(TCommandLine& line);
void AddSimCommand(TCommandLine& line);
// `zenta sim` on the bench of another state file than this process's.
int RunSimCommand(const TArgs& args, TCommandContext& context, const sim::TSimStateFile& bench);

// --json: the command's report as one JSON object on one line.
inline void AddJsonFlag(CLI::App& command, bool& json) {
    command.add_flag("--json", json, "the same as one JSON object on one line")
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
}

// --transport T: the adapter a command reaches the unit on, instead of the window's
// first one: an index or port name of `zenta transports`, or a USB device path.
inline CLI::Option* AddTransportOption(CLI::App& command, std::optional<std::string>& transport) {
    return command
        .add_option("--transport", transport, "the adapter: an index or port name of zenta transports, or \\\\.\\CSRn")
        ->type_name("T");
}

}  // namespace cli
