// `zenta transports`: the transports the window lists at start-up, by which --transport
// names one.

#include <algorithm>
#include <iomanip>

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/host/DeviceSession.h"
#include "cli/host/UnitAccess.h"

namespace cli {
namespace {

std::vector<devlink::TChosenTransport> Listed(const devlink::TTransportTable& transports) {
    std::vector<devlink::TChosenTransport> listed;
    listed.reserve(static_cast<std::size_t>(transports.Count));
    for (int i = 0; i < transports.Count; ++i)
        listed.push_back(devlink::ResolveTransport(transports, std::to_string(i)));
    return listed;
}

void Print(std::ostream& out, const std::vector<devlink::TChosenTransport>& listed) {
    std::size_t width = 0;
    for (const devlink::TChosenTransport& t : listed) width = std::max(width, t.Name.size());
    for (std::size_t i = 0; i < listed.size(); ++i)
        out << i << "  " << std::left << std::setw(static_cast<int>(width)) << listed[i].Name << "  "
            << listed[i].TransportString << (listed[i].Usb ? "  (USB)" : "") << '\n';
}

void WriteTransportsJson(std::ostream& out, const std::vector<devlink::TChosenTransport>& listed) {
    TJson entries = TJson::array();
    for (std::size_t i = 0; i < listed.size(); ++i)
        entries.push_back({{"index", i},
                           {"name", JsonText(listed[i].Name)},
                           {"transport", JsonText(listed[i].TransportString)},
                           {"usb", listed[i].Usb}});
    WriteJson(out, {{"transports", entries}});
}

int RunTransports(bool json, TCommandContext& context) {
    devlink::IChipLibrary* library = ReachUnitLibrary("transports", context);
    if (library == nullptr) return kExitNoUnit;
    const TDeviceSession session(*library, TPlatform{context.Clock, context.Sleeper, context.Err}, false);
    const std::vector<devlink::TChosenTransport> listed = Listed(session.Transports());
    if (json)
        WriteTransportsJson(context.Out, listed);
    else
        Print(context.Out, listed);
    return kExitOk;
}

}  // namespace

void AddTransportsCommand(TCommandLine& line) {
    auto json = std::make_shared<bool>(false);
    CLI::App& transports = line.AddCommand(
        "transports", "the transports --transport can name",
        "Lists the transports as the window builds them at start-up: the SPI ports the chip library reports "
        "(parallel-port adapters left out), then the USB device. Each line gives the index, the port name and the "
        "transport string; --transport on the commands on the unit takes the index or the port name, or a USB "
        "device path the list does not hold (\\\\.\\CSR1 for a second USB unit).");
    AddJsonFlag(transports, *json);
    line.OnRun(transports, [json](TCommandContext& context) { return RunTransports(*json, context); });
}

}  // namespace cli
