#pragma once
// What the attached unit is: the PS keys that tell it, the unit kinds this programmer
// serves with their record keys and messages, the version text, and the refusals of
// units it does not serve.

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

// A unit kind this programmer serves, with the record key that holds its settings and
// every message the device workflows give about it.
struct TUnitKind {
    std::uint16_t Type;
    const char* VersionPrefix;
    std::uint16_t RecordKey;
    const char* ReadSuccess;
    const char* ReadFailure;
    const char* ReadMismatch;
    const char* ProgramMismatch;
    const char* WriteSuccess;  // a question: restart the unit?
    const char* WriteFailure;
};

extern const TUnitKind kHandsetKind;
extern const TUnitKind kGatewayKind;

// "HS: V2.05 Ardex": each 4-bit digit in decimal, the top one of the word dropped.
std::string VersionText(const TUnitKind& kind, const TUnitIdentity& unit);

// A unit of the newer series, which another programmer serves.
bool OfNewerSeries(std::uint16_t type);
// The refusal of a unit that is neither kind: one of the newer series, or unknown.
std::string ForeignUnitMessage(std::uint16_t type);

}  // namespace records
