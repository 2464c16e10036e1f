#pragma once
// What the attached unit is: the PS keys that tell it, its identity, and the refusals of
// units this programmer does not serve (the kinds it serves are in UnitKind.h).

#include <cstdint>
#include <string>

#include "link/UnitCodes.h"

namespace records {

using devlink::kArdexEdition;
using devlink::kGatewayType;
using devlink::kHandsetType;
using devlink::kTavinGatewayType;
using devlink::kTavinHandsetType;
using devlink::kUnitTypeMask;
using devlink::PSKEY_GW_XSETTINGS;
using devlink::PSKEY_HS_XSETTINGS;
using devlink::PSKEY_SW_VERSION;
using devlink::PSKEY_UNIT_TYPE;

inline constexpr const char* kUnitTypeUnreadable = "Fail to read pskey";
// Where the owner of an unrecognised unit is sent for the right programmer.
inline constexpr const char* kSupportAddress = "support.zenta-programmer.example";

struct TUnitIdentity {
    std::uint16_t Type = 0;     // kHandsetType, kGatewayType, ...
    std::uint16_t Edition = 0;  // kArdexEdition or a Kesto code
    std::uint16_t Version = 0;  // three 4-bit digits in bits 11-0
    bool Ardex() const { return Edition == kArdexEdition; }
};

TUnitIdentity IdentityOf(std::uint16_t unitTypeWord, std::uint16_t versionWord);

// A unit of the newer series, which another programmer serves.
bool OfNewerSeries(std::uint16_t type);
// The refusal of a unit that is neither kind: one of the newer series, or unknown.
std::string ForeignUnitMessage(std::uint16_t type);

}  // namespace records
