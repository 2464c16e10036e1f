// `zenta sim`: the simulated units on the bench, in the state file the programmer's
// simulated libraries use as well. Its words, --help included, are the bench's own
// vocabulary's (sim/BenchCommandLine.h): CLI11 hands them over as they stand.

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "sim/BenchCommandLine.h"

namespace cli {

int RunSimCommand(const TArgs& args, TCommandContext& context, const sim::TSimStateFile& bench) {
    using TKind = sim::TBenchCommandResult::TKind;
    const sim::TBenchCommandResult result = sim::RunBenchCommand(args, bench);
    switch (result.Kind) {
    case TKind::Done: context.Out << result.Text; return kExitOk;
    case TKind::Unusable: context.Err << "zenta sim: " << result.Text << '\n'; return kExitBenchUnusable;
    case TKind::Refused: break;
    }
    const std::string command = result.Command.empty() ? "zenta sim" : "zenta sim " + result.Command;
    context.Err << command << ": " << result.Text << " (see " << command << " --help)\n";
    return kExitUsage;
}

void AddSimCommand(TCommandLine& line) {
    CLI::App& sim = line.AddCommand("sim", "the simulated units on the bench, shown or changed",
                                    "Its commands and their --help are the bench's own: see zenta sim --help.");
    sim.set_help_flag();
    sim.prefix_command();
    sim.allow_extras();
    line.OnRun(sim, [&sim](TCommandContext& context) {
        return RunSimCommand(sim.remaining(), context, sim::TSimStateFile(sim::TSimStateFile::DefaultPath()));
    });
}

}  // namespace cli
