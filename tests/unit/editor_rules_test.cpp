// The editor rules acting from user actions and from code: defaults, the button grid,
// the enabling rules, the gateway lines and the two editions.

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/SettingsLookup.h"
#include "editor/SettingsTables.h"
#include "tests/support/FormTest.h"

namespace {

using testing_support::FormTest;

// What start-up must leave in every setting, written out by hand from the defaults.
struct TExpected {
    const char* Control;
    std::string Value;  // ticks "1"/"0", spins their position, lists their text
};

std::string ValueOf(app::TMajorForm& form, const std::string& name) {
    ui::TControl* control = form.FindControl(name);
    if (auto* box = dynamic_cast<ui::TCheckBox*>(control)) return box->Checked() ? "1" : "0";
    if (auto* spin = dynamic_cast<ui::TUpDown*>(control)) return std::to_string(spin->Position());
    if (auto* list = dynamic_cast<ui::TComboBox*>(control)) return list->Text();
    if (auto* text = dynamic_cast<ui::TStaticText*>(control)) return text->Text();
    return "?";
}

class Defaults : public FormTest {
protected:
    void ExpectAll(const std::vector<TExpected>& expected) {
        for (const TExpected& e : expected) EXPECT_EQ(ValueOf(*form, e.Control), e.Value) << e.Control;
    }
};

const std::vector<TExpected> kHandsetDefaults{
    {"RadioTalkPermitToneCheckBox", "0"},
    {"EmergencyToneCheckBox", "1"},
    {"TATalkPermitToneCheckBox", "1"},
    {"StealthModeAlwaysActiveCheckBox", "0"},
    {"MuteSpeakerOnPTTCheckBox", "0"},
    {"MuteSpeakerOnChargeCheckBox", "1"},
    {"LEDChargeIndicateCheckBox", "1"},
    {"AutoTurnOnWhenChargingCheckBox", "1"},
    {"HandsfreeFunctionCheckBox", "0"},
    {"MinimumVolumeIs0CheckBox", "0"},
    {"AutoTurnOffTimerUpDown", "8"},
    {"LowBatteryBeepVoltageUpDown", "3500"},
    {"LowBatteryBeepVoltageStaticText", "3.5"},
    {"LowBatteryBeepIntervalTimerUpDown", "5"},
    {"InternalMicGainUpDown", "0"},
    {"InternalMicHighGainBoostUpDown", "6"},
    {"ExternalMicGainUpDown", "9"},
    {"ExternalMicHighGainBoostUpDown", "6"},
    {"RemotePTTGainBoostUpDown", "9"},
    {"AudioIntegrityUpDown", "200"},
    {"FixedAlertToneVolumeCheckBox", "0"},
    {"AlertToneVolumeUpDown", "5"},
    {"AudioLinkActiveTimeUpDown", "0"},
    {"TransmitTimeUpDown", "0"},
    {"ReceiveTimeUpDown", "0"},
    {"EmergencyRepeatCyclesUpDown", "1"},
    {"TransmitAudibleEmergencyToneCheckBox", "0"},
    {"HirosePin2FunctionComboBox", "Speaker -ve"},
    {"LongPressDurationUpDown", "1000"},
    {"AccPTTPressAndHoldComboBox", "Radio PTT"},
    {"AccPTTShortPressComboBox", "(Disabled)"},
    {"AccPTTLongPressComboBox", "(Disabled)"},
    {"PTTPressAndHoldComboBox", "Radio PTT"},
    {"Top1PressAndHoldComboBox", "Emergency"},
    {"Top2PressAndHoldComboBox", "Talk Around PTT"},
    {"Left1PressAndHoldComboBox", "(Disabled)"},
    {"Left1ShortPressComboBox", "Volume Up"},
    {"Left2ShortPressComboBox", "Volume Down"},
    {"Left2LongPressComboBox", "(Disabled)"},
    {"Right1PressAndHoldComboBox", "(Disabled)"},
    {"Right1ShortPressComboBox", "(Disabled)"},
    {"Right1LongPressComboBox", "On / Off"},
};

const std::vector<TExpected> kGatewayDefaults{
    {"GWReceiveInputGainUpDown", "3"},
    {"GWTransmitOutputGainUpDown", "0"},
    {"GWTalkAroundOutputGainUpDown", "9"},
    {"GWEmergencyAlertToneCheckBox", "0"},
    {"GWFindMeFunctionCheckBox", "0"},
    {"GWMultiOperationalMicsCheckBox", "1"},
    {"GWPublicAddressModeCheckBox", "0"},
    {"GWVOXEnabledCORCheckBox", "1"},
    {"GWVOXTriggerLevelUpDown", "70"},
    {"GWRadioPTTIOComboBox", "Output"},
    {"GWRadioPTTActiveComboBox", "Low"},
    {"GWRadioPTTFunctionComboBox", "Radio PTT"},
    {"GWRadioPTTPulseUpDown", "0"},
    {"GWRadioEmergencyFunctionComboBox", "Emergency"},
    {"GWRadioCORIOComboBox", "Input"},
    {"GWRadioCORFunctionComboBox", "Radio COR"},
    {"GWRadioFunction1IOComboBox", "Input"},
    {"GWRadioFunction1FunctionComboBox", "Remote PTT"},
    {"GWRadioFunction2FunctionComboBox", "Find Me"},
    {"GWRadioFunction3FunctionComboBox", "Aux 1"},
    {"GWRadioFunction3PulseUpDown", "500"},
    {"GWRadioFunction4FunctionComboBox", "Aux 2"},
    {"GWRadioFunction4PulseStaticText", "500"},
    {"GWRadioFunction5ActiveComboBox", "High"},
    {"GWRadioFunction5FunctionComboBox", "Handsfree active"},
    {"GWRadioFunction6ActiveComboBox", "High"},
    {"GWRadioFunction6FunctionComboBox", "Handset in Cradle"},
    {"GWRadioFunction6PulseUpDown", "0"},
};

TEST_F(Defaults, StartUpLeavesEverySettingAtItsDefault) {
    ExpectAll(kHandsetDefaults);
    ExpectAll(kGatewayDefaults);
    EXPECT_EQ(form->GWRadioFunction3PulseUpDown.Min(), 10);
    EXPECT_EQ(form->GWRadioFunction3PulseUpDown.Max(), 30000);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Max(), 5000);
    EXPECT_TRUE(TakePrompts().empty());
}

// Each unit's defaults set its tick boxes, spins and lists in the order of their
// procedure, so that a tick box's click rule sees exactly what was set before it: every
// tick box starts away from its default so that its rule runs, every spin reports each
// position set, and the Hirose list is seen set by the first report after it.
TEST_F(Defaults, EachUnitsSettingsAreSetInTheOrderOfItsProcedure) {
    using editor::TTickDefault;
    const struct {
        bool Gateway;
        std::vector<std::string> Order;
    } units[] = {
        {false,
         {"TATalkPermitToneCheckBox",
          "RadioTalkPermitToneCheckBox",
          "EmergencyToneCheckBox",
          "StealthModeAlwaysActiveCheckBox",
          "MuteSpeakerOnPTTCheckBox",
          "MuteSpeakerOnChargeCheckBox",
          "LEDChargeIndicateCheckBox",
          "AutoTurnOnWhenChargingCheckBox",
          "MinimumVolumeIs0CheckBox",
          "HandsfreeFunctionCheckBox",
          "AutoTurnOffTimerUpDown",
          "LowBatteryBeepVoltageUpDown",
          "LowBatteryBeepIntervalTimerUpDown",
          "InternalMicGainUpDown",
          "InternalMicHighGainBoostUpDown",
          "ExternalMicGainUpDown",
          "ExternalMicHighGainBoostUpDown",
          "RemotePTTGainBoostUpDown",
          "AudioIntegrityUpDown",
          "FixedAlertToneVolumeCheckBox",
          "AlertToneVolumeUpDown",
          "AudioLinkActiveTimeUpDown",
          "TransmitTimeUpDown",
          "ReceiveTimeUpDown",
          "EmergencyRepeatCyclesUpDown",
          "TransmitAudibleEmergencyToneCheckBox",
          "HirosePin2FunctionComboBox",
          "LongPressDurationUpDown"}},
        {true,
         {"GWTalkAroundOutputGainUpDown", "GWReceiveInputGainUpDown", "GWTransmitOutputGainUpDown",
          "GWEmergencyAlertToneCheckBox", "GWPublicAddressModeCheckBox", "GWFindMeFunctionCheckBox",
          "GWMultiOperationalMicsCheckBox", "GWVOXEnabledCORCheckBox", "GWVOXTriggerLevelUpDown"}},
    };
    for (const auto& unit : units) {
        SCOPED_TRACE(unit.Gateway ? "gateway" : "handset");
        Start();
        app::TMajorForm& f = *form;
        auto onUnit = [&](editor::TPage page) { return editor::IsGatewayPage(page) == unit.Gateway; };
        std::vector<std::string> seen;
        ui::TComboBox& hirose = f.HirosePin2FunctionComboBox;
        hirose.SetItemIndex(1);
        auto report = [&seen, &hirose](const std::string& name) {
            if (hirose.ItemIndex() == 0 && std::find(seen.begin(), seen.end(), hirose.Name) == seen.end())
                seen.push_back(hirose.Name);
            seen.push_back(name);
        };
        for (const editor::TTickSetting& tick : editor::TickSettings()) {
            if (!onUnit(tick.Page)) continue;
            ui::TCheckBox& box = f.*tick.Box;
            box.SetChecked(tick.Default == TTickDefault::Unticked);
            box.OnClick = [report, &box, rule = box.OnClick] {
                report(box.Name);
                if (rule) rule();
            };
        }
        for (const editor::TSpinSetting& spin : editor::SpinSettings()) {
            if (!onUnit(spin.Page)) continue;
            ui::TUpDown& updown = f.*spin.UpDown;
            updown.OnPositionSet = [report, &updown, rule = updown.OnPositionSet] {
                report(updown.Name);
                if (rule) rule();
            };
        }
        if (unit.Gateway)
            f.ApplyGatewayDefaults();
        else
            f.ApplyHandsetDefaults();
        EXPECT_EQ(seen, unit.Order);
        EXPECT_EQ(f.LowBatteryBeepVoltageStaticText.Text(), "3.5");
    }
}

TEST_F(Defaults, EachButtonRestoresOnlyTheUnitKindOnShow) {
    form->MuteSpeakerOnPTTCheckBox.UserClick();
    form->GWVOXTriggerLevelUpDown.UserClick(true);
    form->MasterPageControl.UserSwitch(form->CradleTabSheet);
    form->FactoryButton.UserClick();
    EXPECT_EQ(form->GWVOXTriggerLevelUpDown.Position(), 70);
    EXPECT_TRUE(form->MuteSpeakerOnPTTCheckBox.Checked());
    form->GWVOXTriggerLevelUpDown.UserClick(true);
    form->MasterPageControl.UserSwitch(form->HandsetTabSheet);
    form->FactoryButton.UserClick();
    EXPECT_FALSE(form->MuteSpeakerOnPTTCheckBox.Checked());
    EXPECT_EQ(form->GWVOXTriggerLevelUpDown.Position(), 71);
}

TEST_F(Defaults, KestoGatewayDefaultsLeaveTheMultiMicsBoxAlone) {
    form->butModelKesto.UserClick();
    form->MasterPageControl.UserSwitch(form->CradleTabSheet);
    form->FactoryButton.UserClick();
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Checked());
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Enabled);
}

class ButtonGrid : public FormTest {};

TEST_F(ButtonGrid, APressAndHoldActionDisablesAndLocksTheOtherTwoCells) {
    form->Top1PressAndHoldComboBox.UserSelect(0);
    EXPECT_TRUE(form->Top1ShortPressComboBox.Enabled);
    form->Top1ShortPressComboBox.UserSelect(1);
    form->Top1LongPressComboBox.UserSelect(5);
    form->Top1PressAndHoldComboBox.UserSelect(1);  // "Radio PTT"
    EXPECT_EQ(form->Top1ShortPressComboBox.Text(), "(Disabled)");
    EXPECT_EQ(form->Top1LongPressComboBox.Text(), "(Disabled)");
    EXPECT_FALSE(form->Top1ShortPressComboBox.Enabled);
    EXPECT_FALSE(form->Top1LongPressComboBox.Enabled);
    form->Top1PressAndHoldComboBox.UserSelect(0);
    EXPECT_TRUE(form->Top1ShortPressComboBox.Enabled);
    EXPECT_EQ(form->Top1ShortPressComboBox.Text(), "(Disabled)");
}

TEST_F(ButtonGrid, TheRight1RowAndAccPTTCellsStayLocked) {
    for (int index : {0, 1, 3}) {
        form->Right1PressAndHoldComboBox.UserSelect(index);
        EXPECT_FALSE(form->Right1PressAndHoldComboBox.Enabled);
        EXPECT_FALSE(form->Right1ShortPressComboBox.Enabled);
        EXPECT_FALSE(form->Right1LongPressComboBox.Enabled);
    }
    form->AccPTTPressAndHoldComboBox.UserSelect(1);
    EXPECT_FALSE(form->AccPTTShortPressComboBox.Enabled);
    EXPECT_FALSE(form->AccPTTLongPressComboBox.Enabled);
}

TEST_F(ButtonGrid, AListWithoutSelectionIsReportedByTheRefreshAndUnlocksItsRow) {
    form->PTTPressAndHoldComboBox.SetItemIndex(-1);
    form->RefreshDependentControls();
    const auto prompts = TakePrompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].Text, "Text '' is not matched in MapComboBoxToHSKeyPress()!");
    EXPECT_TRUE(form->PTTShortPressComboBox.Enabled);
}

class DependentControls : public FormTest {};

TEST_F(DependentControls, FixedAlertToneVolumeEnablesTheVolumeAndKeepsItsValue) {
    EXPECT_FALSE(form->AlertToneVolumeUpDown.Enabled);
    form->FixedAlertToneVolumeCheckBox.UserClick();
    EXPECT_TRUE(form->AlertToneVolumeUpDown.Enabled);
    EXPECT_TRUE(form->AlertToneVolumeStaticText.Enabled);
    EXPECT_TRUE(form->AlertToneVolumeLabel.Enabled);
    form->AlertToneVolumeUpDown.UserClick(false);
    form->FixedAlertToneVolumeCheckBox.UserClick();
    EXPECT_FALSE(form->AlertToneVolumeLabel.Enabled);
    EXPECT_EQ(form->AlertToneVolumeUpDown.Position(), 4);
}

TEST_F(DependentControls, VoxSwitchEnablesTheTriggerLevel) {
    EXPECT_TRUE(form->GWVOXTriggerLevelUpDown.Enabled);
    form->GWVOXEnabledCORCheckBox.UserClick();
    EXPECT_FALSE(form->GWVOXTriggerLevelUpDown.Enabled);
    EXPECT_FALSE(form->GWVOXTriggerLevelStaticText.Enabled);
    EXPECT_FALSE(form->GWVOXTriggerLevelLabel.Enabled);
}

TEST_F(DependentControls, VoltageSpinClicksShowVolts) {
    struct {
        bool Up;
        int Clicks;
        const char* Shown;
    } const steps[] = {{true, 5, "4.0"}, {true, 1, "4.0"}, {false, 15, "2.5"}, {true, 3, "2.8"}};
    for (const auto& step : steps) {
        for (int i = 0; i < step.Clicks; ++i) form->LowBatteryBeepVoltageUpDown.UserClick(step.Up);
        EXPECT_EQ(form->LowBatteryBeepVoltageStaticText.Text(), step.Shown);
    }
}

// Set from code the volts follow as after a click, and the box stays a display only:
// text written into it never moves the spin.
TEST_F(DependentControls, VoltsFollowTheSpinSetFromCodeAndNeverSetIt) {
    form->LowBatteryBeepVoltageUpDown.SetPosition(2700);
    EXPECT_EQ(form->LowBatteryBeepVoltageStaticText.Text(), "2.7");
    form->LowBatteryBeepVoltageStaticText.SetText("3900");
    EXPECT_EQ(form->LowBatteryBeepVoltageUpDown.Position(), 2700);
}

TEST_F(DependentControls, FindMeWarnsWhenTickedOnly) {
    form->GWFindMeFunctionCheckBox.UserClick();
    auto prompts = TakePrompts();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].Caption, "Warning");
    EXPECT_EQ(prompts[0].Type, 0);
    EXPECT_EQ(
        prompts[0].Text,
        "The Handset Earpiece Jack should not be used when this feature is enabled\nas it may cause hearing damage.");
    ASSERT_EQ(prompts[0].Buttons.size(), 1u);
    EXPECT_EQ(prompts[0].Buttons[0].Caption, "&OK");
    EXPECT_TRUE(form->GWFindMeFunctionCheckBox.Checked());
    form->GWFindMeFunctionCheckBox.UserClick();
    EXPECT_TRUE(TakePrompts().empty());
}

class Editions : public FormTest {};

TEST_F(Editions, KestoClearsAndLocksItsFeaturesAndArdexDoesNotBringThemBack) {
    form->TransmitTimeUpDown.SetPosition(12);
    form->EmergencyRepeatCyclesUpDown.SetPosition(7);
    form->GWPublicAddressModeCheckBox.UserClick();
    form->GWEmergencyAlertToneCheckBox.UserClick();
    form->butModelKesto.UserClick();
    EXPECT_FALSE(form->butModelArdex.Checked());
    EXPECT_EQ(form->TransmitTimeUpDown.Position(), 0);
    EXPECT_EQ(form->ReceiveTimeUpDown.Position(), 0);
    EXPECT_EQ(form->EmergencyRepeatCyclesUpDown.Position(), 1);
    EXPECT_FALSE(form->TransmitTimeStaticText.Enabled);
    EXPECT_TRUE(form->TransmitTimeUpDown.Enabled);
    EXPECT_FALSE(form->GWPublicAddressModeCheckBox.Checked());
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Enabled);
    EXPECT_TRUE(form->GWFindMeFunctionCheckBox.Enabled);

    form->TransmitTimeUpDown.UserClick(true);  // the spin moves on from the number shown
    EXPECT_EQ(form->TransmitTimeStaticText.Text(), "1");

    form->butModelArdex.UserClick();
    EXPECT_EQ(form->TransmitTimeUpDown.Position(), 1);
    for (ui::TCheckBox* box : {&form->GWMultiOperationalMicsCheckBox, &form->GWPublicAddressModeCheckBox,
                               &form->GWEmergencyAlertToneCheckBox}) {
        EXPECT_FALSE(box->Checked()) << box->Name;
        EXPECT_TRUE(box->Enabled) << box->Name;
    }
    EXPECT_TRUE(form->TransmitTimeStaticText.Enabled);
}

TEST_F(Editions, TheRuleFromCodeSelectsItsOwnButton) {
    form->ApplyKestoEdition();
    EXPECT_TRUE(form->butModelKesto.Checked());
    EXPECT_FALSE(form->butModelArdex.Checked());
    form->ApplyArdexEdition();
    EXPECT_TRUE(form->butModelArdex.Checked());
}

class GatewayLines : public FormTest {
protected:
    const editor::TGatewayLine& Line(const std::string& caption) {
        for (const editor::TGatewayLine& line : editor::GatewayLines())
            if (caption == line.Caption) return line;
        throw std::runtime_error("no line " + caption);
    }
};

TEST_F(GatewayLines, TurningALineToOutputOffersItsOutputFunctions) {
    form->GWRadioFunction1IOComboBox.UserSelect(1);
    EXPECT_EQ(form->GWRadioFunction1FunctionComboBox.Count(), 9);
    EXPECT_EQ(form->GWRadioFunction1FunctionComboBox.Items().back(), "Handsfree active");
    EXPECT_EQ(form->GWRadioFunction1FunctionComboBox.Text(), "Disabled");
    EXPECT_TRUE(form->GWRadioFunction1PulseUpDown.Enabled);
    form->GWRadioEmergencyIOComboBox.UserSelect(0);
    form->GWRadioEmergencyIOComboBox.UserSelect(1);
    EXPECT_EQ(form->GWRadioEmergencyFunctionComboBox.Count(), 8);
}

TEST_F(GatewayLines, ChoosingTheSameDirectionAgainChangesNothing) {
    form->GWRadioCORFunctionComboBox.UserSelect(2);
    form->GWRadioCORIOComboBox.UserSelect(0);
    EXPECT_EQ(form->GWRadioCORFunctionComboBox.Text(), "Remote PTT");
}

TEST_F(GatewayLines, AuxFunctionsGetTheLongPulseRange) {
    form->GWRadioEmergencyFunctionComboBox.UserSelect(5);  // "Aux 2"
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Min(), 10);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Max(), 30000);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Position(), 500);
    form->GWRadioEmergencyFunctionComboBox.UserSelect(2);  // "Emergency"
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Min(), 0);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Max(), 5000);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Position(), 0);
}

TEST_F(GatewayLines, AnInputLineKeepsItsPulseRangeAndLocksItsSpin) {
    form->GWRadioEmergencyFunctionComboBox.UserSelect(4);  // "Aux 1": 10..30000
    form->GWRadioEmergencyIOComboBox.UserSelect(0);
    form->GWRadioEmergencyFunctionComboBox.UserSelect(1);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Min(), 10);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Position(), 500);
    EXPECT_FALSE(form->GWRadioEmergencyPulseUpDown.Enabled);
    EXPECT_FALSE(form->GWRadioEmergencyPulseStaticText.Enabled);
}

TEST_F(GatewayLines, TheRememberedFunctionIndexOutlivesADirectionChange) {
    form->GWRadioEmergencyFunctionComboBox.UserSelect(4);  // "Aux 1", remembered 4
    form->GWRadioEmergencyPulseUpDown.UserClick(true);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Position(), 510);
    form->GWRadioEmergencyIOComboBox.UserSelect(0);
    form->GWRadioEmergencyIOComboBox.UserSelect(1);
    EXPECT_EQ(form->RememberedFunctionIndex(Line("Radio Emergency")), 4);
    form->GWRadioEmergencyFunctionComboBox.UserSelect(4);  // the remembered index: no pulse rule
    EXPECT_EQ(form->GWRadioEmergencyFunctionComboBox.Text(), "Aux 1");
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Position(), 510);
    form->GWRadioEmergencyFunctionComboBox.UserSelect(5);
    EXPECT_EQ(form->GWRadioEmergencyPulseUpDown.Position(), 500);
}

TEST_F(GatewayLines, RadioCOROutputEnablesItsPulse) {
    EXPECT_FALSE(form->GWRadioCORPulseUpDown.Enabled);
    form->GWRadioCORIOComboBox.UserSelect(1);
    EXPECT_TRUE(form->GWRadioCORPulseUpDown.Enabled);
    form->GWRadioCORIOComboBox.UserSelect(0);
    EXPECT_FALSE(form->GWRadioCORPulseUpDown.Enabled);
}

TEST_F(GatewayLines, TheFixedControlsAreNeverEnabled) {
    form->RefreshDependentControls();
    form->ApplyArdexEdition();
    for (ui::TControl* c : std::initializer_list<ui::TControl*>{
             &form->GWRadioPTTIOComboBox, &form->GWRadioPTTActiveComboBox, &form->GWRadioPTTFunctionComboBox,
             &form->GWRadioPTTPulseUpDown, &form->GWRadioPTTPulseStaticText, &form->GWRadioFunction3IOComboBox,
             &form->GWRadioFunction6IOComboBox})
        EXPECT_FALSE(c->Enabled) << c->Name;
    EXPECT_TRUE(form->GWRadioFunction2IOComboBox.Enabled);
}

}  // namespace

namespace {

// A control that no row describes is an error, never some other row's description.
TEST(SettingRows, LookupsFindTheirOwnRowOrFail) {
    EXPECT_EQ(editor::SpinSettingOf(&editor::E::AlertToneVolumeUpDown).FileKey, 39);
    EXPECT_EQ(editor::TickSettingOf(&editor::E::GWFindMeFunctionCheckBox).FileKey, 1001);
    EXPECT_THROW(editor::SpinSettingOf(&editor::E::GWRadioPTTPulseUpDown), std::logic_error);  // a line's pulse
    EXPECT_THROW(editor::TickSettingOf(nullptr), std::logic_error);
    EXPECT_NO_THROW(editor::CheckSettingDescriptions());
}

}  // namespace
