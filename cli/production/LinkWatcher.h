#pragma once
// Whether a unit answers on the link: an open on the transport the run was given,
// closed again at once. A production run looks this way for each next unit to appear
// and for the programmed one to go. The look that finds a unit reads its chip's name
// before it closes, and so is the chip check of the unit's programming.

#include <optional>

#include "link/ChipLibrary.h"
#include "link/Connection.h"
#include "link/TransportChoice.h"
#include "link/Transports.h"
#include "ui/Services.h"

namespace cli {

class TLinkWatcher {
public:
    // Watches the transport chosen, or without one the window's own choice.
    TLinkWatcher(devlink::IChipLibrary& library, ui::ISleep& sleeper,
                 const std::optional<devlink::TChosenTransport>& chosen);
    TLinkWatcher(const TLinkWatcher&) = delete;
    TLinkWatcher& operator=(const TLinkWatcher&) = delete;

    // The chip's name when a unit answers; empty when none does.
    std::optional<std::string> FindUnit();
    bool UnitPresent();
    // The name of the transport it looks on.
    const std::string& Adapter() const { return transports_.ChosenPortName(); }

private:
    devlink::TTransportTable transports_;
    devlink::TConnection connection_;
};

}  // namespace cli
