#include "records/UnitIdentity.h"

namespace records {

TUnitIdentity IdentityOf(std::uint16_t unitTypeWord, std::uint16_t versionWord) {
    return {static_cast<std::uint16_t>(unitTypeWord & kUnitTypeMask), static_cast<std::uint16_t>(unitTypeWord & 0x00FF),
            versionWord};
}

bool OfNewerSeries(std::uint16_t type) { return type == kTavinHandsetType || type == kTavinGatewayType; }

std::string ForeignUnitMessage(std::uint16_t type) {
    if (OfNewerSeries(type))
        return "This programmer is for Fennic series only. Please use version 3.xx for this ZENTA Tavin model.";
    return std::string("Unknown ZENTA found. Please see ") + kSupportAddress + " for correct programmer.";
}

}  // namespace records
