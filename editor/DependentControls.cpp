// The enabling rules, the volts display, the Find-Me warning and the two editions.

#include <cstdio>

#include "editor/KeyPressMaps.h"
#include "editor/ListText.h"
#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"

namespace editor {

void TSettingsEditor::RefreshDependentControls() {
    const bool fixedVolume = FixedAlertToneVolumeCheckBox.Checked();
    AlertToneVolumeStaticText.Enabled = fixedVolume;
    AlertToneVolumeUpDown.Enabled = fixedVolume;
    AlertToneVolumeLabel.Enabled = fixedVolume;

    // A button with a press-and-hold action has no short or long press.
    for (const TButtonRow& row : ButtonRows()) {
        const bool holdAction = MapComboBoxToHSKeyPress(this->*row.PressAndHold, Prompter) != 0;
        for (ui::TComboBox* other : {&(this->*row.ShortPress), &(this->*row.LongPress)}) {
            if (holdAction) SelectItemContaining(*other, "Disabled");
            other->Enabled = !holdAction;
        }
    }
    // The "Right 1" button is never edited; its values still travel in records and files.
    Right1PressAndHoldComboBox.Enabled = false;
    Right1ShortPressComboBox.Enabled = false;
    Right1LongPressComboBox.Enabled = false;

    const bool vox = GWVOXEnabledCORCheckBox.Checked();
    GWVOXTriggerLevelStaticText.Enabled = vox;
    GWVOXTriggerLevelUpDown.Enabled = vox;
    GWVOXTriggerLevelLabel.Enabled = vox;

    for (const TGatewayLine& line : GatewayLines()) {
        if (line.Fixed) continue;
        const bool output = SelectedItemContains(this->*line.IO, "Output");
        (this->*line.PulseBox).Enabled = output;
        (this->*line.Pulse).Enabled = output;
    }
}

void TSettingsEditor::ShowLowBatteryVoltage() {
    char volts[32];
    std::snprintf(volts, sizeof volts, "%.1f", LowBatteryBeepVoltageUpDown.Position() * 0.001);
    LowBatteryBeepVoltageStaticText.SetText(volts);
}

void TSettingsEditor::GWFindMeFunctionCheckBoxClick() {
    if (!GWFindMeFunctionCheckBox.Checked()) return;
    Prompter.ShowPrompt(
        "The Handset Earpiece Jack should not be used when this feature is enabled\n"
        "as it may cause hearing damage.",
        "Warning", ui::mtWarning, ui::ButtonSet({ui::bkOK}), 1);
}

// Selecting the button from code runs its click handler, and so this rule once more,
// when the selection changes: the rule is then applied twice with the same result.
void TSettingsEditor::ApplyArdexEdition() {
    butModelArdex.SetChecked(true);
    for (const TEditionTick& tick : EditionTicks()) (this->*tick.Box).Enabled = true;
    for (const TEditionTiming& timing : EditionTimings()) {
        (this->*timing.Box).Enabled = true;
        (this->*timing.Label).Enabled = true;
    }
}

void TSettingsEditor::ApplyKestoEdition() {
    butModelKesto.SetChecked(true);
    for (const TEditionTick& tick : EditionTicks()) {
        if (tick.KestoLacks) (this->*tick.Box).SetChecked(false);
        (this->*tick.Box).Enabled = !tick.KestoLacks;
    }
    // The boxes are the spins' values: these set the emergency timings to their Kesto
    // values. The spins themselves stay enabled.
    for (const TEditionTiming& timing : EditionTimings()) {
        (this->*timing.Box).SetText(timing.KestoText);
        (this->*timing.Box).Enabled = false;
        (this->*timing.Label).Enabled = false;
    }
}

}  // namespace editor
