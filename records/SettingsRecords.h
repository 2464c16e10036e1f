#pragma once
// The two settings records a unit keeps in its persistent store, word by word. Both are
// 25 unsigned 16-bit words; word 0 is the first word of the PS key value.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "link/UnitCodes.h"

namespace records {

using devlink::kRecordWords;
using TRecordWords = std::array<std::uint16_t, kRecordWords>;

// The handset's settings. Spin values are the spin positions as signed 16-bit words;
// the key words hold three handset key-press codes each (HandsetRecord.cpp).
struct hs_xsettings_t {
    std::uint16_t Flags;
    std::uint16_t AutoTurnOffTimer;
    std::uint16_t LowBatteryBeepVoltage;
    std::uint16_t LowBatteryBeepIntervalTimer;
    std::uint16_t InternalMicGain;
    std::uint16_t InternalMicHighGainBoost;
    std::uint16_t ExternalMicGain;
    std::uint16_t ExternalMicHighGainBoost;
    std::uint16_t RemotePTTGainBoost;
    std::uint16_t AlertToneVolume;
    std::uint16_t AudioLinkActiveTime;
    std::uint16_t TransmitTime;
    std::uint16_t ReceiveTime;
    std::uint16_t EmergencyRepeatCycles;
    std::uint16_t LongPressDuration;
    std::uint16_t PTTKeys;
    std::uint16_t Top1Keys;
    std::uint16_t Top2Keys;
    std::uint16_t Left1Keys;
    std::uint16_t Left2Keys;
    std::uint16_t Right1Keys;
    std::uint16_t AudioIntegrity;  // stands apart from the other spin words
    std::uint16_t AccPTTKeys;
    std::uint16_t Reserved23;
    std::uint16_t Reserved24;
};

// The gateway's settings: gains, the VOX level and its nine I/O lines, each a line word
// followed by a pulse word (GatewayRecord.cpp).
struct gw_xsettings_t {
    std::uint16_t Flags;
    std::uint16_t GWTalkAroundOutputGain;
    std::uint16_t GWReceiveInputGain;  // signed 8-bit in the low byte, high byte 0
    std::uint16_t GWTransmitOutputGain;
    std::uint16_t GWVOXTriggerLevel;
    std::uint16_t GWRadioPTTLine;
    std::uint16_t GWRadioPTTPulse;
    std::uint16_t GWRadioEmergencyLine;
    std::uint16_t GWRadioEmergencyPulse;
    std::uint16_t GWRadioCORLine;
    std::uint16_t GWRadioCORPulse;
    std::uint16_t GWRadioFunction1Line;
    std::uint16_t GWRadioFunction1Pulse;
    std::uint16_t GWRadioFunction2Line;
    std::uint16_t GWRadioFunction2Pulse;
    std::uint16_t GWRadioFunction3Line;
    std::uint16_t GWRadioFunction3Pulse;
    std::uint16_t GWRadioFunction4Line;
    std::uint16_t GWRadioFunction4Pulse;
    std::uint16_t GWRadioFunction5Line;
    std::uint16_t GWRadioFunction5Pulse;
    std::uint16_t GWRadioFunction6Line;
    std::uint16_t GWRadioFunction6Pulse;
    std::uint16_t Reserved23;
    std::uint16_t Reserved24;
};

static_assert(sizeof(hs_xsettings_t) == kRecordWords * sizeof(std::uint16_t));
static_assert(sizeof(gw_xsettings_t) == kRecordWords * sizeof(std::uint16_t));

// A record as the words of its PS key value, and back.
template <typename TRecord>
TRecordWords ToWords(const TRecord& record) {
    return std::bit_cast<TRecordWords>(record);
}
template <typename TRecord>
TRecord FromWords(const TRecordWords& words) {
    return std::bit_cast<TRecord>(words);
}

}  // namespace records
