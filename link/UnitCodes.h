#pragma once
// What a unit tells about itself through its persistent store: the PS keys the
// programmer reads and writes, the codes of the unit-type word and the size of a
// settings record. The programmer and the simulated unit both go by these.

#include <cstddef>
#include <cstdint>

namespace devlink {

inline constexpr std::uint16_t PSKEY_UNIT_TYPE = 0x02A9;
inline constexpr std::uint16_t PSKEY_GW_XSETTINGS = 0x02AA;
inline constexpr std::uint16_t PSKEY_HS_XSETTINGS = 0x02AB;
inline constexpr std::uint16_t PSKEY_SW_VERSION = 0x02AD;

// Unit type codes, compared on the high byte of the unit-type word.
inline constexpr std::uint16_t kUnitTypeMask = 0xFF00;
inline constexpr std::uint16_t kHandsetType = 0xAB00;
inline constexpr std::uint16_t kGatewayType = 0xFE00;
inline constexpr std::uint16_t kTavinHandsetType = 0xAC00;
inline constexpr std::uint16_t kTavinGatewayType = 0xFD00;

// Edition codes, the low byte of the unit-type word: this one is Ardex, any other Kesto.
inline constexpr std::uint16_t kArdexEdition = 2;

// Both settings records, the handset's and the gateway's, are this many words.
inline constexpr std::size_t kRecordWords = 25;

}  // namespace devlink
