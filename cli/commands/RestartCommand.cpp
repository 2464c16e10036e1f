// `zenta restart`: RESTART DEVICE on the attached unit.

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/DeviceSession.h"
#include "cli/host/UnitAccess.h"

namespace cli {
namespace {

// RESTART DEVICE itself reports nothing, so the window's chip check runs first to tell
// whether a unit is there.
int RunRestart(const std::optional<std::string>& transport, TCommandContext& context) {
    devlink::IChipLibrary* library = ReachUnitLibrary("restart", context);
    if (library == nullptr) return kExitNoUnit;
    TDeviceSession session(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, true);
    session.ChooseNamedTransport(transport);
    const app::TDeviceResult detected = session.Detect();
    if (detected.Outcome != app::TDeviceOutcome::Succeeded)
        return FinishDeviceCommand("restart", detected, detected.Prompted, *library, context);
    session.Restart();
    context.Out << "restart sent\n";
    return kExitOk;
}

}  // namespace

void AddRestartCommand(TCommandLine& line) {
    auto transport = std::make_shared<std::optional<std::string>>();
    CLI::App& restart = line.AddCommand(
        "restart", "RESTART DEVICE on the attached unit",
        "Runs RESTART DEVICE on the attached unit, after the window's chip check that tells a unit is there.");
    AddTransportOption(restart, *transport);
    line.OnRun(restart, [transport](TCommandContext& context) { return RunRestart(*transport, context); });
}

}  // namespace cli
