#pragma once
// Whether a unit answers on the link: an open on the transport the run was given,
// closed again at once. A production run looks this way for each next unit to appear
// and for the programmed one to go. The look that finds a unit reads its chip's name
// before it closes, and so is the chip check of the unit's programming.
//
// While the run waits for the unit it handled to go, a unit put on in its place at once
// (between two looks) must not pass for it: each such look reads the keys that unit gave
// or took, and a unit that reads otherwise is another.

#include <optional>
#include <string>

#include "cli/production/WatchedLibrary.h"
#include "link/ChipLibrary.h"
#include "link/Connection.h"
#include "link/TransportChoice.h"
#include "link/Transports.h"
#include "ui/Services.h"

namespace cli {

// A unit as the run last knew it: its chip's name and the words of each key it read or
// wrote.
struct TUnitMark {
    std::string Chip;
    TKeyWords Keys;
};

// What a look finds while a unit is awaited to go.
struct TLinkLook {
    enum class TWhat { Empty, SameUnit, OtherUnit };
    TWhat What = TWhat::Empty;
    std::string Chip;  // of the unit that answered
};

class TLinkWatcher {
public:
    // Watches the transport chosen, or without one the window's own choice.
    TLinkWatcher(devlink::IChipLibrary& library, ui::ISleep& sleeper,
                 const std::optional<devlink::TChosenTransport>& chosen);
    TLinkWatcher(const TLinkWatcher&) = delete;
    TLinkWatcher& operator=(const TLinkWatcher&) = delete;

    // The chip's name when a unit answers; empty when none does.
    std::optional<std::string> FindUnit();
    // Whether the unit `mark` tells is still the one on the link. A key that cannot be
    // read tells nothing, and ends the look: a unit whose read failed once is not taken
    // for another.
    TLinkLook LookAgain(const TUnitMark& mark);
    // The name of the transport it looks on.
    const std::string& Adapter() const { return transports_.ChosenPortName(); }

private:
    devlink::IChipLibrary& library_;
    devlink::TTransportTable transports_;
    devlink::TConnection connection_;
};

}  // namespace cli
