#include "cli/production/LinkWatcher.h"

namespace cli {

TLinkWatcher::TLinkWatcher(devlink::IChipLibrary& library, ui::ISleep& sleeper,
                           const std::optional<devlink::TChosenTransport>& chosen)
    : connection_(library, transports_, sleeper) {
    devlink::EnumerateTransports(library, transports_);
    devlink::ChooseTransport(transports_);
    if (chosen) devlink::ApplyTransport(transports_, *chosen);
}

std::optional<std::string> TLinkWatcher::FindUnit() {
    if (connection_.OpenConnection() == 0) return std::nullopt;
    std::string chip = connection_.ChipName();
    connection_.CloseConnection();
    return chip;
}

bool TLinkWatcher::UnitPresent() {
    const bool present = connection_.OpenConnection() != 0;
    connection_.CloseConnection();
    return present;
}

}  // namespace cli
