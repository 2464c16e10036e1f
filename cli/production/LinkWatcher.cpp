#include "cli/production/LinkWatcher.h"

namespace cli {

TLinkWatcher::TLinkWatcher(devlink::IChipLibrary& library, ui::ISleep& sleeper,
                           const std::optional<TChosenTransport>& chosen)
    : connection_(library, transports_, sleeper) {
    devlink::EnumerateTransports(library, transports_);
    devlink::ChooseTransport(transports_);
    if (chosen) ApplyTransport(transports_, *chosen);
}

bool TLinkWatcher::UnitPresent() {
    const bool present = connection_.OpenConnection() != 0;
    connection_.CloseConnection();
    return present;
}

}  // namespace cli
