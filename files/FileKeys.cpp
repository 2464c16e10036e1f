#include "files/FileKeys.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <type_traits>

namespace files {
namespace {

using P = TLinePart;

constexpr TFileKey Setting(int key, TKeyControl control) { return {key, control, -1, TLinePart::None, std::nullopt}; }
constexpr TFileKey Reserved(int key) { return Setting(key, std::monostate{}); }
constexpr TFileKey Edition(int key) { return Setting(key, &E::butModelArdex); }
constexpr TFileKey Tick(int key, ui::TCheckBox E::*box) { return Setting(key, box); }
constexpr TFileKey List(int key, ui::TComboBox E::*list) { return Setting(key, list); }
constexpr TFileKey Spin(int key, ui::TUpDown E::*spin) { return Setting(key, spin); }
template <typename TMember>
constexpr TFileKey Line(int key, int line, TLinePart part, TMember control,
                        std::optional<std::int32_t> fixed = std::nullopt) {
    return {key, control, line, part, fixed};
}

// Line n of the gateway grid has keys 1011 + 5n to 1015 + 5n: I/O, Active, Function,
// Pulse and a reserved key. The "Radio PTT" line reads as Output, Low, "Radio PTT"
// (item 1 of the output functions) and pulse 0, as the defaults and programming set it.
constexpr TFileKey kKeys[] = {
    Edition(9000),
    Tick(1, &E::TATalkPermitToneCheckBox),
    Tick(2, &E::RadioTalkPermitToneCheckBox),
    Tick(3, &E::EmergencyToneCheckBox),
    Tick(4, &E::StealthModeAlwaysActiveCheckBox),
    Tick(5, &E::MuteSpeakerOnPTTCheckBox),
    Tick(6, &E::MuteSpeakerOnChargeCheckBox),
    Tick(7, &E::LEDChargeIndicateCheckBox),
    Tick(8, &E::AutoTurnOnWhenChargingCheckBox),
    Tick(9, &E::FixedAlertToneVolumeCheckBox),
    Tick(10, &E::TransmitAudibleEmergencyToneCheckBox),
    List(11, &E::HirosePin2FunctionComboBox),
    Spin(12, &E::AutoTurnOffTimerUpDown),
    Spin(13, &E::LowBatteryBeepVoltageUpDown),
    Spin(14, &E::LowBatteryBeepIntervalTimerUpDown),
    List(15, &E::PTTPressAndHoldComboBox),
    List(16, &E::PTTShortPressComboBox),
    List(17, &E::PTTLongPressComboBox),
    List(18, &E::Top1PressAndHoldComboBox),
    List(19, &E::Top1ShortPressComboBox),
    List(20, &E::Top1LongPressComboBox),
    List(21, &E::Top2PressAndHoldComboBox),
    List(22, &E::Top2ShortPressComboBox),
    List(23, &E::Top2LongPressComboBox),
    List(24, &E::Left1PressAndHoldComboBox),
    List(25, &E::Left1ShortPressComboBox),
    List(26, &E::Left1LongPressComboBox),
    List(27, &E::Left2PressAndHoldComboBox),
    List(28, &E::Left2ShortPressComboBox),
    List(29, &E::Left2LongPressComboBox),
    List(30, &E::Right1PressAndHoldComboBox),
    List(31, &E::Right1ShortPressComboBox),
    List(32, &E::Right1LongPressComboBox),
    Spin(33, &E::InternalMicGainUpDown),
    Spin(34, &E::InternalMicHighGainBoostUpDown),
    Spin(35, &E::ExternalMicGainUpDown),
    Spin(36, &E::ExternalMicHighGainBoostUpDown),
    Spin(37, &E::RemotePTTGainBoostUpDown),
    Spin(38, &E::AudioIntegrityUpDown),
    Spin(39, &E::AlertToneVolumeUpDown),
    Spin(40, &E::AudioLinkActiveTimeUpDown),
    Spin(41, &E::TransmitTimeUpDown),
    Spin(42, &E::ReceiveTimeUpDown),
    Spin(43, &E::EmergencyRepeatCyclesUpDown),
    Spin(44, &E::LongPressDurationUpDown),
    List(45, &E::AccPTTPressAndHoldComboBox),
    List(46, &E::AccPTTShortPressComboBox),
    List(47, &E::AccPTTLongPressComboBox),
    Tick(48, &E::MinimumVolumeIs0CheckBox),
    Tick(49, &E::HandsfreeFunctionCheckBox),
    Tick(1001, &E::GWFindMeFunctionCheckBox),
    Tick(1002, &E::GWPublicAddressModeCheckBox),
    Tick(1003, &E::GWVOXEnabledCORCheckBox),
    Tick(1004, &E::GWMultiOperationalMicsCheckBox),
    Tick(1005, &E::GWEmergencyAlertToneCheckBox),
    Spin(1006, &E::GWTalkAroundOutputGainUpDown),
    Spin(1007, &E::GWReceiveInputGainUpDown),
    Reserved(1008),
    Spin(1009, &E::GWTransmitOutputGainUpDown),
    Spin(1010, &E::GWVOXTriggerLevelUpDown),
    Line(1011, 0, P::IO, &E::GWRadioPTTIOComboBox, 1),
    Line(1012, 0, P::Active, &E::GWRadioPTTActiveComboBox, 0),
    Line(1013, 0, P::Function, &E::GWRadioPTTFunctionComboBox, 1),
    Line(1014, 0, P::Pulse, &E::GWRadioPTTPulseUpDown, 0),
    Reserved(1015),
    Line(1016, 1, P::IO, &E::GWRadioEmergencyIOComboBox),
    Line(1017, 1, P::Active, &E::GWRadioEmergencyActiveComboBox),
    Line(1018, 1, P::Function, &E::GWRadioEmergencyFunctionComboBox),
    Line(1019, 1, P::Pulse, &E::GWRadioEmergencyPulseUpDown),
    Reserved(1020),
    Line(1021, 2, P::IO, &E::GWRadioCORIOComboBox),
    Line(1022, 2, P::Active, &E::GWRadioCORActiveComboBox),
    Line(1023, 2, P::Function, &E::GWRadioCORFunctionComboBox),
    Line(1024, 2, P::Pulse, &E::GWRadioCORPulseUpDown),
    Reserved(1025),
    Line(1026, 3, P::IO, &E::GWRadioFunction1IOComboBox),
    Line(1027, 3, P::Active, &E::GWRadioFunction1ActiveComboBox),
    Line(1028, 3, P::Function, &E::GWRadioFunction1FunctionComboBox),
    Line(1029, 3, P::Pulse, &E::GWRadioFunction1PulseUpDown),
    Reserved(1030),
    Line(1031, 4, P::IO, &E::GWRadioFunction2IOComboBox),
    Line(1032, 4, P::Active, &E::GWRadioFunction2ActiveComboBox),
    Line(1033, 4, P::Function, &E::GWRadioFunction2FunctionComboBox),
    Line(1034, 4, P::Pulse, &E::GWRadioFunction2PulseUpDown),
    Reserved(1035),
    Line(1036, 5, P::IO, &E::GWRadioFunction3IOComboBox),
    Line(1037, 5, P::Active, &E::GWRadioFunction3ActiveComboBox),
    Line(1038, 5, P::Function, &E::GWRadioFunction3FunctionComboBox),
    Line(1039, 5, P::Pulse, &E::GWRadioFunction3PulseUpDown),
    Reserved(1040),
    Line(1041, 6, P::IO, &E::GWRadioFunction4IOComboBox),
    Line(1042, 6, P::Active, &E::GWRadioFunction4ActiveComboBox),
    Line(1043, 6, P::Function, &E::GWRadioFunction4FunctionComboBox),
    Line(1044, 6, P::Pulse, &E::GWRadioFunction4PulseUpDown),
    Reserved(1045),
    Line(1046, 7, P::IO, &E::GWRadioFunction5IOComboBox),
    Line(1047, 7, P::Active, &E::GWRadioFunction5ActiveComboBox),
    Line(1048, 7, P::Function, &E::GWRadioFunction5FunctionComboBox),
    Line(1049, 7, P::Pulse, &E::GWRadioFunction5PulseUpDown),
    Reserved(1050),
    Line(1051, 8, P::IO, &E::GWRadioFunction6IOComboBox),
    Line(1052, 8, P::Active, &E::GWRadioFunction6ActiveComboBox),
    Line(1053, 8, P::Function, &E::GWRadioFunction6FunctionComboBox),
    Line(1054, 8, P::Pulse, &E::GWRadioFunction6PulseUpDown),
    Reserved(1055),
};

template <typename TEditor>
auto* Control(TEditor& settings, const TFileKey& key) {
    using TResult = std::conditional_t<std::is_const_v<TEditor>, const ui::TControl*, ui::TControl*>;
    return std::visit(
        [&settings](auto member) -> TResult {
            if constexpr (std::is_same_v<decltype(member), std::monostate>)
                return nullptr;
            else
                return &(settings.*member);
        },
        key.Control);
}

}  // namespace

std::span<const TFileKey> FileKeys() { return kKeys; }

const TFileKey* FindFileKey(std::int32_t key) {
    const auto found = std::find_if(std::begin(kKeys), std::end(kKeys), [key](const TFileKey& k) { return k.Key == key; });
    return found == std::end(kKeys) ? nullptr : &*found;
}

std::string KeyText(int key) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", key);
    return text;
}

ui::TControl* ControlOf(E& settings, const TFileKey& key) { return Control(settings, key); }
const ui::TControl* ControlOf(const E& settings, const TFileKey& key) { return Control(settings, key); }

std::int32_t FileValue(const E& settings, const TFileKey& key) {
    struct TRead {
        const E& settings;
        std::int32_t operator()(std::monostate) const { return 0; }
        std::int32_t operator()(ui::TRadioButton E::*edition) const { return (settings.*edition).Checked() ? 1 : 0; }
        std::int32_t operator()(ui::TCheckBox E::*tick) const { return (settings.*tick).Checked() ? 1 : 0; }
        std::int32_t operator()(ui::TComboBox E::*list) const { return (settings.*list).ItemIndex(); }
        std::int32_t operator()(ui::TUpDown E::*spin) const { return (settings.*spin).Position(); }
    };
    return std::visit(TRead{settings}, key.Control);
}

void ApplyFileValue(E& settings, const TFileKey& key, std::int32_t value) {
    struct TSet {
        E& settings;
        std::int32_t value;
        void operator()(std::monostate) const {}
        void operator()(ui::TRadioButton E::*) const {
            (value == 1 ? settings.butModelArdex : settings.butModelKesto).SetChecked(true);
        }
        void operator()(ui::TCheckBox E::*tick) const { (settings.*tick).SetChecked(value == 1); }
        void operator()(ui::TComboBox E::*list) const { (settings.*list).SetItemIndex(value); }
        // Conversion to a narrower signed type keeps the low bits (defined since C++20).
        void operator()(ui::TUpDown E::*spin) const { (settings.*spin).SetPosition(static_cast<std::int16_t>(value)); }
    };
    std::visit(TSet{settings, value}, key.Control);
}

}  // namespace files
