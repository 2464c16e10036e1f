#include "cli/host/UnitReplica.h"

namespace cli {

// The unit-type word, not the simulated kind, tells the window what the unit is; the kind
// only has to be one that answers on the link.
TUnitReplica::TUnitReplica(const records::TUnitIdentity& unit, const TPlatform& platform)
    : session_(library_, platform, false) {
    bench_.AttachUnit(sim::kSimUsbDevice,
                      sim::TSimUnit::Bare(sim::TUnitKind::Unknown, static_cast<std::uint16_t>(unit.Type | unit.Edition),
                                          unit.Version));
}

void TUnitReplica::Hold(std::uint16_t key, std::span<const std::uint16_t> words) {
    bench_.Unit().SetKey(key, {words.begin(), words.end()});
}

}  // namespace cli
