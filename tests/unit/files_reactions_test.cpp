// What a load sets off beyond the values: the edition rules, the click reactions of the
// tick boxes and the volts display, each at its own line.

#include <gtest/gtest.h>

#include "FilesTestForm.h"

namespace files_test {
namespace {

class Reactions : public FilesForm {};

constexpr const char* kFindMeWarning =
    "The Handset Earpiece Jack should not be used when this feature is enabled\n"
    "as it may cause hearing damage.";

TEST_F(Reactions, AnotherEditionRunsItsRuleBeforeTheLinesThatFollow) {
    Load("9000=0\r\n");
    EXPECT_TRUE(form->butModelKesto.Checked());
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Checked());
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Enabled);

    // The file's own values override what the rule set, enabled or not.
    form->butModelArdex.UserClick();
    form->GWMultiOperationalMicsCheckBox.SetChecked(true);
    Load("9000=0\r\n1004=1\r\n0041=30\r\n");
    EXPECT_TRUE(form->GWMultiOperationalMicsCheckBox.Checked());
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Enabled);
    EXPECT_EQ(form->TransmitTimeUpDown.Position(), 30);

    Load("9000=1\r\n");
    EXPECT_TRUE(form->butModelArdex.Checked());
    EXPECT_TRUE(form->GWMultiOperationalMicsCheckBox.Enabled);
}

TEST_F(Reactions, TheEditionAlreadySelectedRunsNoRule) {
    form->GWEmergencyAlertToneCheckBox.Enabled = false;  // the Ardex rule would enable it
    Load("9000=1\r\n");
    EXPECT_FALSE(form->GWEmergencyAlertToneCheckBox.Enabled);

    form->butModelKesto.UserClick();
    form->TransmitTimeUpDown.SetPosition(30);  // the Kesto rule would put it to 0
    Load("9000=0\r\n");
    EXPECT_EQ(form->TransmitTimeUpDown.Position(), 30);
}

TEST_F(Reactions, FindMeWarnsWhenTheFileTicksItAndOnlyThen) {
    Load("1001=1\r\n");
    ASSERT_EQ(env.Prompts.Shown.size(), 1u);
    EXPECT_EQ(env.Prompts.Shown[0].Caption, "Warning");
    EXPECT_EQ(env.Prompts.Shown[0].Text, kFindMeWarning);
    Load("1001=1\r\n");
    Load("1001=0\r\n");
    EXPECT_EQ(env.Prompts.Shown.size(), 1u);
}

// The loader leaves the final refresh to its caller, so what is enabled here comes from
// the tick boxes' own reactions.
TEST_F(Reactions, TickBoxesWithAClickRuleRefreshTheControlsTheyEnable) {
    ASSERT_FALSE(form->AlertToneVolumeUpDown.Enabled);
    Load("0009=1\r\n");
    EXPECT_TRUE(form->AlertToneVolumeUpDown.Enabled);
    ASSERT_TRUE(form->GWVOXTriggerLevelUpDown.Enabled);
    Load("1003=0\r\n");
    EXPECT_FALSE(form->GWVOXTriggerLevelUpDown.Enabled);
}

TEST_F(Reactions, TheVoltageShowsInVoltsAtOnce) {
    Load("0013=2700\r\n0012=3\r\n");
    EXPECT_EQ(form->LowBatteryBeepVoltageStaticText.Text(), "2.7");
}

}  // namespace
}  // namespace files_test
