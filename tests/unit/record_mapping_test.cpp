// The handset and gateway records against the settings document, word by word both
// ways: edits in the editor give the stated words, and stated words give what the
// editor then shows, with the prompts the key-press maps and tick rules raise.

#include <gtest/gtest.h>

#include "ControlValues.h"
#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"
#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "sim/SimUnit.h"
#include "ui/Headless.h"

namespace {

using records::TRecordWords;
using testing_support::ControlNamed;
using testing_support::ShownValue;
using testing_support::TControlValue;
using testing_support::UserSets;

class Records : public ::testing::Test {
protected:
    Records() {
        editor.butModelArdex.SetChecked(true);
        editor.ApplyHandsetDefaults();
        editor.ApplyGatewayDefaults();
        prompts.Shown.clear();
    }
    ui::TControl& Control(const std::string& name) { return ControlNamed(editor.Controls(), name); }
    void Edit(const std::vector<TControlValue>& edits) {
        for (const TControlValue& edit : edits) UserSets(Control(edit.Control), edit.Value);
        prompts.Shown.clear();
    }
    void ExpectShown(const std::vector<TControlValue>& shown) {
        for (const TControlValue& s : shown) EXPECT_EQ(ShownValue(Control(s.Control)), s.Value) << s.Control;
    }
    std::vector<std::string> PromptTexts() const {
        std::vector<std::string> texts;
        for (const ui::TPromptWindow& p : prompts.Shown) texts.push_back(p.Text);
        return texts;
    }
    TRecordWords HandsetWords() { return records::ToWords(records::MapSettingsToHSRecord(editor)); }
    TRecordWords GatewayWords() { return records::ToWords(records::MapSettingsToGWRecord(editor)); }
    void ApplyHandset(const TRecordWords& words) {
        records::MapHSRecordToSettings(records::FromWords<records::hs_xsettings_t>(words), editor);
    }
    void ApplyGateway(const TRecordWords& words) {
        records::MapGWRecordToSettings(records::FromWords<records::gw_xsettings_t>(words), editor);
    }

    ui::THeadlessPrompts prompts;
    ui::TPrompter prompter{prompts};
    editor::TSettingsEditor editor{prompter};
};

// ---- settings to words ----

struct TEncodeCase {
    const char* Name;
    std::vector<TControlValue> Edits;
    std::size_t Word;
    std::uint16_t Value;
};

void PrintTo(const TEncodeCase& c, std::ostream* os) { *os << c.Name; }

class HandsetEncoding : public Records, public ::testing::WithParamInterface<TEncodeCase> {};
class GatewayEncoding : public Records, public ::testing::WithParamInterface<TEncodeCase> {};

TEST_P(HandsetEncoding, GivesTheWord) {
    Edit(GetParam().Edits);
    EXPECT_EQ(HandsetWords()[GetParam().Word], GetParam().Value);
    EXPECT_TRUE(prompts.Shown.empty());
}

TEST_P(GatewayEncoding, GivesTheWord) {
    Edit(GetParam().Edits);
    EXPECT_EQ(GatewayWords()[GetParam().Word], GetParam().Value);
    EXPECT_TRUE(prompts.Shown.empty());
}

const std::vector<TControlValue> kAllHandsetTicks{
    {"TATalkPermitToneCheckBox", "1"},
    {"RadioTalkPermitToneCheckBox", "1"},
    {"EmergencyToneCheckBox", "1"},
    {"StealthModeAlwaysActiveCheckBox", "1"},
    {"MuteSpeakerOnPTTCheckBox", "1"},
    {"MuteSpeakerOnChargeCheckBox", "1"},
    {"LEDChargeIndicateCheckBox", "1"},
    {"AutoTurnOnWhenChargingCheckBox", "1"},
    {"FixedAlertToneVolumeCheckBox", "1"},
    {"TransmitAudibleEmergencyToneCheckBox", "1"},
    {"HirosePin2FunctionComboBox", "Battery +ve"},
    {"HandsfreeFunctionCheckBox", "1"},
    {"MinimumVolumeIs0CheckBox", "1"},
};

INSTANTIATE_TEST_SUITE_P(
    Words, HandsetEncoding,
    ::testing::Values(
        TEncodeCase{"mic gain -24 as two's complement", {{"InternalMicGainUpDown", "-24"}}, 4, 0xFFE8},
        TEncodeCase{"mic gain 21", {{"InternalMicGainUpDown", "21"}}, 4, 0x0015},
        TEncodeCase{"external mic gain -3", {{"ExternalMicGainUpDown", "-3"}}, 6, 0xFFFD},
        TEncodeCase{"battery voltage in millivolts", {{"LowBatteryBeepVoltageUpDown", "3500"}}, 2, 0x0DAC},
        TEncodeCase{"press and hold radio PTT", {{"PTTPressAndHoldComboBox", "Radio PTT"}}, 15, 0x1000},
        TEncodeCase{"short emergency, long aux 1",
                    {{"Top1PressAndHoldComboBox", "(Disabled)"},
                     {"Top1ShortPressComboBox", "Emergency"},
                     {"Top1LongPressComboBox", "Aux 1"}},
                    16,
                    0x0187},
        TEncodeCase{
            "long press handsfree beside short volume down", {{"Left2LongPressComboBox", "HF On/Off"}}, 19, 0x0149},
        TEncodeCase{
            "the accessory PTT is the last key word", {{"AccPTTPressAndHoldComboBox", "Talk Around PTT"}}, 22, 0x1800},
        TEncodeCase{"every tick and battery +ve; bits 2-0 stay clear", kAllHandsetTicks, 0, 0xFFF8},
        TEncodeCase{"audio integrity apart from the other spins", {{"AudioIntegrityUpDown", "150"}}, 21, 0x0096},
        TEncodeCase{"alert tone volume", {{"AlertToneVolumeUpDown", "3"}}, 9, 0x0003},
        TEncodeCase{"long press duration", {{"LongPressDurationUpDown", "5000"}}, 14, 0x1388}));

INSTANTIATE_TEST_SUITE_P(
    Words, GatewayEncoding,
    ::testing::Values(
        TEncodeCase{"receive gain as a signed byte", {{"GWReceiveInputGainUpDown", "-24"}}, 2, 0x00E8},
        TEncodeCase{"talk-around gain as a signed word", {{"GWTalkAroundOutputGainUpDown", "-24"}}, 1, 0xFFE8},
        TEncodeCase{"transmit gain", {{"GWTransmitOutputGainUpDown", "21"}}, 3, 0x0015},
        TEncodeCase{"VOX level", {{"GWVOXTriggerLevelUpDown", "100"}}, 4, 0x0064},
        TEncodeCase{"output high is active bit 0",
                    {{"GWRadioEmergencyActiveComboBox", "High"}, {"GWRadioEmergencyFunctionComboBox", "Aux 1"}},
                    7,
                    0x8004},
        TEncodeCase{"output low is active bit 1",
                    {{"GWRadioEmergencyActiveComboBox", "Low"}, {"GWRadioEmergencyFunctionComboBox", "Aux 1"}},
                    7,
                    0xC004},
        TEncodeCase{"input high is active bit 1", {{"GWRadioCORActiveComboBox", "High"}}, 9, 0x4001},
        TEncodeCase{"input low is active bit 0", {{"GWRadioCORActiveComboBox", "Low"}}, 9, 0x0001},
        TEncodeCase{
            "an output code on a reversed line",
            {{"GWRadioFunction1IOComboBox", "Output"}, {"GWRadioFunction1FunctionComboBox", "Handsfree active"}},
            11,
            0xC008},
        TEncodeCase{"a pulse word", {{"GWRadioFunction3PulseUpDown", "1200"}}, 16, 0x04B0},
        TEncodeCase{"every flag; bits 10-0 stay clear",
                    {{"GWEmergencyAlertToneCheckBox", "1"},
                     {"GWMultiOperationalMicsCheckBox", "1"},
                     {"GWVOXEnabledCORCheckBox", "1"},
                     {"GWPublicAddressModeCheckBox", "1"},
                     {"GWFindMeFunctionCheckBox", "1"}},
                    0,
                    0xF800}));

TEST_F(Records, ReservedWordsGoOutAsZero) {
    for (const TRecordWords& words : {HandsetWords(), GatewayWords()}) {
        EXPECT_EQ(words[23], 0);
        EXPECT_EQ(words[24], 0);
    }
}

TEST_F(Records, AListWhoseTextNamesNoActionIsReportedAndGivesCodeZero) {
    editor.Top2ShortPressComboBox.SetItems({"Bogus"});
    editor.Top2ShortPressComboBox.SetItemIndex(0);
    editor.Top2PressAndHoldComboBox.SetItemIndex(0);  // "(Disabled)"
    EXPECT_EQ(HandsetWords()[17], 0x0000);
    EXPECT_EQ(PromptTexts(), (std::vector<std::string>{"Text 'Bogus' is not matched in MapComboBoxToHSKeyPress()!"}));
}

// ---- words to settings ----

struct TDecodeCase {
    const char* Name;
    std::vector<std::pair<std::size_t, std::uint16_t>> Words;  // over the defaults' record
    std::vector<TControlValue> Shown;
    std::vector<std::string> Prompts;
};

void PrintTo(const TDecodeCase& c, std::ostream* os) { *os << c.Name; }

class HandsetDecoding : public Records, public ::testing::WithParamInterface<TDecodeCase> {};
class GatewayDecoding : public Records, public ::testing::WithParamInterface<TDecodeCase> {};

TEST_P(HandsetDecoding, ShowsTheSettings) {
    TRecordWords words = HandsetWords();
    for (auto [word, value] : GetParam().Words) words[word] = value;
    ApplyHandset(words);
    ExpectShown(GetParam().Shown);
    EXPECT_EQ(PromptTexts(), GetParam().Prompts);
}

TEST_P(GatewayDecoding, ShowsTheSettings) {
    TRecordWords words = GatewayWords();
    for (auto [word, value] : GetParam().Words) words[word] = value;
    ApplyGateway(words);
    ExpectShown(GetParam().Shown);
    EXPECT_EQ(PromptTexts(), GetParam().Prompts);
}

const char* const kFindMeWarning =
    "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage.";

INSTANTIATE_TEST_SUITE_P(
    Words, HandsetDecoding,
    ::testing::Values(
        TDecodeCase{"negative gain",
                    {{4, 0xFFE8}},
                    {{"InternalMicGainUpDown", "-24"}, {"InternalMicGainStaticText", "-24"}},
                    {}},
        TDecodeCase{"battery voltage shown in volts",
                    {{2, 0x0A28}},
                    {{"LowBatteryBeepVoltageUpDown", "2600"}, {"LowBatteryBeepVoltageStaticText", "2.6"}},
                    {}},
        TDecodeCase{"a press-and-hold action drops short and long",
                    {{15, 0x1187}},
                    {{"PTTPressAndHoldComboBox", "Radio PTT"},
                     {"PTTShortPressComboBox", "(Disabled)"},
                     {"PTTLongPressComboBox", "(Disabled)"}},
                    {}},
        TDecodeCase{"short and long without press and hold",
                    {{16, 0x0187}},
                    {{"Top1PressAndHoldComboBox", "(Disabled)"},
                     {"Top1ShortPressComboBox", "Emergency"},
                     {"Top1LongPressComboBox", "Aux 1"}},
                    {}},
        TDecodeCase{"every flag bit",
                    {{0, 0xFFFF}},
                    {{"TATalkPermitToneCheckBox", "1"},
                     {"RadioTalkPermitToneCheckBox", "1"},
                     {"StealthModeAlwaysActiveCheckBox", "1"},
                     {"MuteSpeakerOnPTTCheckBox", "1"},
                     {"FixedAlertToneVolumeCheckBox", "1"},
                     {"TransmitAudibleEmergencyToneCheckBox", "1"},
                     {"HirosePin2FunctionComboBox", "Battery +ve"},
                     {"HandsfreeFunctionCheckBox", "1"},
                     {"MinimumVolumeIs0CheckBox", "1"}},
                    {}},
        TDecodeCase{"no flag bit",
                    {{0, 0x0007}},
                    {{"TATalkPermitToneCheckBox", "0"},
                     {"EmergencyToneCheckBox", "0"},
                     {"AutoTurnOnWhenChargingCheckBox", "0"},
                     {"HirosePin2FunctionComboBox", "Speaker -ve"},
                     {"MinimumVolumeIs0CheckBox", "0"}},
                    {}},
        TDecodeCase{"a code the list lacks keeps its selection",
                    {{18, 0x0040}},
                    {{"Left1ShortPressComboBox", "Volume Up"}},
                    {}},
        TDecodeCase{"a code above 9 is reported",
                    {{18, 0x013F}},
                    {{"Left1ShortPressComboBox", "Volume Up"}, {"Left1LongPressComboBox", "(Disabled)"}},
                    {"KeyPress '63' is not matched in MapHSKeyPressToComboBox()!"}},
        TDecodeCase{"accessory PTT keeps its press and hold for code 0",
                    {{22, 0x0107}},
                    {{"AccPTTPressAndHoldComboBox", "Radio PTT"},
                     {"AccPTTShortPressComboBox", "(Disabled)"},
                     {"AccPTTLongPressComboBox", "(Disabled)"}},
                    {}},
        TDecodeCase{"audio integrity from word 21", {{21, 0x0096}}, {{"AudioIntegrityUpDown", "150"}}, {}},
        TDecodeCase{
            "the spin words in their places",
            {{1, 3}, {3, 9}, {5, 12}, {7, 3}, {8, 0}, {9, 2}, {10, 200}, {11, 45}, {12, 30}, {13, 7}, {14, 2500}},
            {{"AutoTurnOffTimerUpDown", "3"},
             {"LowBatteryBeepIntervalTimerUpDown", "9"},
             {"InternalMicHighGainBoostUpDown", "12"},
             {"ExternalMicHighGainBoostUpDown", "3"},
             {"RemotePTTGainBoostUpDown", "0"},
             {"AlertToneVolumeUpDown", "2"},
             {"AudioLinkActiveTimeUpDown", "200"},
             {"TransmitTimeUpDown", "45"},
             {"ReceiveTimeUpDown", "30"},
             {"EmergencyRepeatCyclesUpDown", "7"},
             {"LongPressDurationUpDown", "2500"},
             {"LongPressDurationStaticText", "2500"}},
            {}},
        TDecodeCase{"key words in their places",
                    {{17, 0x0100}, {19, 0x0005}, {20, 0x0189}},
                    {{"Top2PressAndHoldComboBox", "(Disabled)"},
                     {"Top2ShortPressComboBox", "Volume Up"},
                     {"Left2LongPressComboBox", "Volume Down"},
                     {"Right1ShortPressComboBox", "Emergency"},
                     {"Right1LongPressComboBox", "HF On/Off"}},
                    {}}));

INSTANTIATE_TEST_SUITE_P(
    Words, GatewayDecoding,
    ::testing::Values(
        TDecodeCase{"receive gain from the low byte", {{2, 0x00E8}}, {{"GWReceiveInputGainUpDown", "-24"}}, {}},
        TDecodeCase{"receive gain ignores the high byte", {{2, 0xFFE8}}, {{"GWReceiveInputGainUpDown", "-24"}}, {}},
        TDecodeCase{"the full-word gains",
                    {{1, 0xFFE8}, {3, 0x0015}, {4, 0x0021}},
                    {{"GWTalkAroundOutputGainUpDown", "-24"},
                     {"GWTransmitOutputGainUpDown", "21"},
                     {"GWVOXTriggerLevelUpDown", "33"}},
                    {}},
        TDecodeCase{"an input code with no input function",
                    {{7, 0x0004}},
                    {{"GWRadioEmergencyIOComboBox", "Input"}, {"GWRadioEmergencyFunctionComboBox", "Disabled"}},
                    {}},
        TDecodeCase{"code 1 on an output line",
                    {{7, 0xC001}},
                    {{"GWRadioEmergencyIOComboBox", "Output"},
                     {"GWRadioEmergencyActiveComboBox", "Low"},
                     {"GWRadioEmergencyFunctionComboBox", "Radio PTT"}},
                    {}},
        TDecodeCase{"code 1 on an input line",
                    {{7, 0x0001}},
                    {{"GWRadioEmergencyIOComboBox", "Input"},
                     {"GWRadioEmergencyActiveComboBox", "Low"},
                     {"GWRadioEmergencyFunctionComboBox", "Radio COR"}},
                    {}},
        TDecodeCase{"input high",
                    {{9, 0x4001}},
                    {{"GWRadioCORActiveComboBox", "High"}, {"GWRadioCORFunctionComboBox", "Radio COR"}},
                    {}},
        TDecodeCase{"the pulse after its range",
                    {{7, 0x8004}, {8, 1200}},
                    {{"GWRadioEmergencyActiveComboBox", "High"},
                     {"GWRadioEmergencyFunctionComboBox", "Aux 1"},
                     {"GWRadioEmergencyPulseUpDown", "1200"},
                     {"GWRadioEmergencyPulseStaticText", "1200"}},
                    {}},
        TDecodeCase{"an output code outside the table",
                    {{21, 0x8100}},
                    {{"GWRadioFunction6FunctionComboBox", "Disabled"}},
                    {"KeyPress '256' is not matched in MapGWKeyPressToComboBox()!"}},
        TDecodeCase{"the Radio PTT line is applied like the others",
                    {{5, 0x0001}},
                    {{"GWRadioPTTIOComboBox", "Input"}, {"GWRadioPTTFunctionComboBox", "Radio COR"}},
                    {}},
        TDecodeCase{"find-me going on warns", {{0, 0x6800}}, {{"GWFindMeFunctionCheckBox", "1"}}, {kFindMeWarning}},
        TDecodeCase{"flag bits 10-0 carry nothing",
                    {{0, 0x07FF}},
                    {{"GWEmergencyAlertToneCheckBox", "0"},
                     {"GWMultiOperationalMicsCheckBox", "0"},
                     {"GWVOXEnabledCORCheckBox", "0"},
                     {"GWPublicAddressModeCheckBox", "0"},
                     {"GWFindMeFunctionCheckBox", "0"}},
                    {}},
        TDecodeCase{"every flag bit",
                    {{0, 0xF000}},
                    {{"GWEmergencyAlertToneCheckBox", "1"},
                     {"GWMultiOperationalMicsCheckBox", "1"},
                     {"GWVOXEnabledCORCheckBox", "1"},
                     {"GWPublicAddressModeCheckBox", "1"}},
                    {}}));

TEST_F(Records, AnAllZeroHandsetRecordClearsWithoutPrompts) {
    Edit(kAllHandsetTicks);
    ApplyHandset(TRecordWords{});
    EXPECT_TRUE(prompts.Shown.empty());
    for (const editor::TTickSetting& tick : editor::TickSettings()) {
        if (editor::IsGatewayPage(tick.Page)) continue;
        EXPECT_FALSE((editor.*tick.Box).Checked()) << (editor.*tick.Box).Name;
    }
    EXPECT_EQ(editor.HirosePin2FunctionComboBox.Text(), "Speaker -ve");
    for (const editor::TButtonRow& row : editor::ButtonRows())
        for (ui::TComboBox* list : {&(editor.*row.PressAndHold), &(editor.*row.ShortPress), &(editor.*row.LongPress)})
            EXPECT_EQ(list->Text(), list == &editor.AccPTTPressAndHoldComboBox ? "Radio PTT" : "(Disabled)")
                << list->Name;
    // Every spin holds the 0, those whose range starts above 0 too.
    for (const editor::TSpinSetting& spin : editor::SpinSettings()) {
        if (editor::IsGatewayPage(spin.Page)) continue;
        EXPECT_EQ((editor.*spin.UpDown).Position(), 0) << (editor.*spin.UpDown).Name;
    }
    EXPECT_EQ(editor.LowBatteryBeepVoltageStaticText.Text(), "0.0");
}

TEST_F(Records, ReservedBitsAndWordsOfARecordReadAreDroppedAtTheNextWrite) {
    TRecordWords handset = HandsetWords();
    handset[0] = 0xFFFF;
    handset[23] = handset[24] = 0xAAAA;
    ApplyHandset(handset);
    TRecordWords expected = handset;
    expected[0] = 0xFFF8;
    expected[23] = expected[24] = 0;
    EXPECT_EQ(HandsetWords(), expected);

    TRecordWords gateway = GatewayWords();
    gateway[0] = 0x67FF;
    gateway[23] = gateway[24] = 0x5555;
    ApplyGateway(gateway);
    expected = gateway;
    expected[0] = 0x6000;
    expected[23] = expected[24] = 0;
    EXPECT_EQ(GatewayWords(), expected);
}

TEST_F(Records, TheFixedAlertVolumeTickRunsItsRuleWhenARecordChangesIt) {
    EXPECT_FALSE(editor.AlertToneVolumeUpDown.Enabled);
    TRecordWords words = HandsetWords();
    words[0] |= 0x0080;
    ApplyHandset(words);
    EXPECT_TRUE(editor.AlertToneVolumeUpDown.Enabled);
}

TEST_F(Records, TheVOXTickRunsItsRuleWhenARecordChangesIt) {
    ASSERT_TRUE(editor.GWVOXTriggerLevelUpDown.Enabled);
    TRecordWords words = GatewayWords();
    words[0] &= static_cast<std::uint16_t>(~0x2000);
    ApplyGateway(words);
    EXPECT_FALSE(editor.GWVOXTriggerLevelUpDown.Enabled);
}

TEST_F(Records, FindMeWarnsOnlyWhenTheTickChanges) {
    TRecordWords words = GatewayWords();
    words[0] |= 0x0800;
    ApplyGateway(words);
    ApplyGateway(words);
    EXPECT_EQ(PromptTexts(), (std::vector<std::string>{kFindMeWarning}));
}

// The applied record is the starting state of the line rules: choosing the direction a
// record gave does not rebuild the function list.
TEST_F(Records, TheAppliedLinesAreRemembered) {
    TRecordWords words = GatewayWords();
    words[11] = 0x8005;  // Function 1: Output, High, Aux 2
    ApplyGateway(words);
    const editor::TGatewayLine& function1 = editor::GatewayLines()[3];
    EXPECT_EQ(editor.RememberedIOIndex(function1), 1);
    EXPECT_EQ(editor.RememberedFunctionIndex(function1), editor.GWRadioFunction1FunctionComboBox.ItemIndex());
    editor.GWRadioFunction1IOComboBox.UserSelect(1);
    EXPECT_EQ(editor.GWRadioFunction1FunctionComboBox.Text(), "Aux 2");
}

// Every value inside a spin's range comes back unchanged; both ends stand for the rest.
TEST_F(Records, SpinValuesInRangePassThroughBothWays) {
    for (bool atMax : {false, true}) {
        for (const editor::TSpinSetting& spin : editor::SpinSettings())
            (editor.*spin.UpDown).SetPosition(atMax ? spin.Max : spin.Min);
        const TRecordWords handset = HandsetWords();
        const TRecordWords gateway = GatewayWords();
        for (const editor::TSpinSetting& spin : editor::SpinSettings()) (editor.*spin.UpDown).SetPosition(spin.Default);
        ApplyHandset(handset);
        ApplyGateway(gateway);
        for (const editor::TSpinSetting& spin : editor::SpinSettings())
            EXPECT_EQ((editor.*spin.UpDown).Position(), atMax ? spin.Max : spin.Min) << (editor.*spin.UpDown).Name;
    }
}

// The simulated unit's factory records claim to be what the defaults write.
TEST_F(Records, TheDefaultsWriteTheSimulatedFactoryRecords) {
    EXPECT_EQ(HandsetWords(), sim::FactoryHandsetRecord());
    EXPECT_EQ(GatewayWords(), sim::FactoryGatewayRecord(sim::TEdition::Ardex));
    editor.ApplyKestoEdition();
    editor.ApplyGatewayDefaults();
    EXPECT_EQ(GatewayWords(), sim::FactoryGatewayRecord(sim::TEdition::Kesto));
}

}  // namespace
