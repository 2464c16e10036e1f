#include "cli/production/LinkWatcher.h"

namespace cli {

TLinkWatcher::TLinkWatcher(devlink::IChipLibrary& library, ui::ISleep& sleeper)
    : connection_(library, transports_, sleeper) {
    devlink::EnumerateTransports(library, transports_);
    devlink::ChooseTransport(transports_);
}

bool TLinkWatcher::UnitPresent() {
    const bool present = connection_.OpenConnection() != 0;
    connection_.CloseConnection();
    return present;
}

}  // namespace cli
