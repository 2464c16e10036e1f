// `zenta restart`: RESTART DEVICE on the attached unit.

#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/DeviceSession.h"
#include "cli/host/UnitAccess.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta restart [--transport NAME|INDEX]\n"
    "Runs RESTART DEVICE on the attached unit. RESTART DEVICE itself reports nothing, so\n"
    "the window's chip check runs first to tell whether a unit is there. --transport\n"
    "restarts the unit on that transport (see zenta transports).\n"
    "Exit status: 0 restart sent, 2 bad usage, 4 no unit, 5 unit refused. See docs/cli.md.\n";

}  // namespace

int RunRestartCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("restart", kUsage);
    std::optional<std::string> transport;
    line.Option("--transport", transport);
    return line.Run(args, context, [&] {
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
    });
}

}  // namespace cli
