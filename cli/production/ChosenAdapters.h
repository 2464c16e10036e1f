#pragma once
// The adapters a production run is given: --transport as often as there are adapters,
// or `--transport all` for every transport of the window's list.

#include <string>
#include <vector>

#include "link/ChipLibrary.h"
#include "link/TransportChoice.h"

namespace cli {

// An adapter as the command line named it (which its worker resolves again) and as it
// resolved.
struct TChosenAdapter {
    std::string Spec;
    devlink::TChosenTransport Transport;
};

// Resolved against the list the library gives now; empty without the option. Throws
// TUsageError for an unknown transport, and for one named twice, under the same name or
// two (an index and its port name): two workers would open the same unit.
std::vector<TChosenAdapter> ResolveAdapters(devlink::IChipLibrary& library, const std::vector<std::string>& specs);

}  // namespace cli
