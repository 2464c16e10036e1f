#include "editor/SettingsEditor.h"

#include "editor/PageLayout.h"
#include "editor/SettingsLookup.h"
#include "editor/SettingsTables.h"

namespace editor {

TSettingsEditor::TSettingsEditor(ui::TPrompter& prompter) : Prompter(prompter) {
    rememberedIO_.fill(-1);
    rememberedFunction_.fill(-1);
    // Every control below is reached through its row: a missing or doubled row stops
    // the program here rather than as a null member pointer later.
    CheckSettingDescriptions();
    BuildControls();
    RegisterControls();
    WireHandlers();
    LayOutPages(*this);
}

void TSettingsEditor::StartUp() {
    butModelArdex.SetChecked(true);
    ApplyHandsetDefaults();
    ApplyGatewayDefaults();
    RememberGatewayIndices();
    MasterPageControl.SetActivePage(HandsetTabSheet);
    HandsetPageControl.SetActivePage(UserExperienceTabSheet);
    CradlePageControl.SetActivePage(GWAudioLevelsTabSheet);
}

// The controls as the window gives them before start-up runs.
void TSettingsEditor::BuildControls() {
    MasterPageControl.AddPage(HandsetTabSheet);
    MasterPageControl.AddPage(CradleTabSheet);
    HandsetTabSheet.Caption = "Handset";
    CradleTabSheet.Caption = "Gateway";
    HandsetPageControl.Parent = &HandsetTabSheet;
    CradlePageControl.Parent = &CradleTabSheet;
    for (ui::TTabSheet* sheet : {&UserExperienceTabSheet, &AudioLevelsTabSheet, &EmergencyTabSheet, &HardwareTabSheet})
        HandsetPageControl.AddPage(*sheet);
    CradlePageControl.AddPage(GWAudioLevelsTabSheet);
    CradlePageControl.AddPage(GWHardwareTabSheet);
    UserExperienceTabSheet.Caption = PageCaption(TPage::UserExperience);
    AudioLevelsTabSheet.Caption = PageCaption(TPage::AudioLevels);
    EmergencyTabSheet.Caption = PageCaption(TPage::Emergency);
    HardwareTabSheet.Caption = PageCaption(TPage::Hardware);
    GWAudioLevelsTabSheet.Caption = PageCaption(TPage::GWAudioLevels);
    GWHardwareTabSheet.Caption = PageCaption(TPage::GWHardware);

    grpModelBox.Caption = "Model";
    butModelArdex.Caption = "Ardex";
    butModelKesto.Caption = "Kesto";
    ui::TRadioButton::Group({&butModelArdex, &butModelKesto});

    PressAndHoldEmergencyGroupBox.Caption = " Press and Hold Emergency Function ";
    ShortOrLongPressEmergencyGroupBox.Caption = " Short or Long Press Emergency Function ";
    ButtonAssignmentsGroupBox.Caption = " Button Assignments ";

    for (const TTickSetting& tick : TickSettings()) (this->*tick.Box).Caption = tick.Caption;
    for (const TSpinSetting& spin : SpinSettings()) {
        ui::TUpDown& upDown = this->*spin.UpDown;
        upDown.SetMin(spin.Min);
        upDown.SetMax(spin.Max);
        upDown.SetIncrement(spin.Step);
        upDown.SetPosition(spin.AtCreation);
        if (spin.BoxFollowsSpin) upDown.Associate(this->*spin.Box);
        (this->*spin.Label).Caption = spin.Caption;
    }
    for (const TListSetting& list : ListSettings()) {
        (this->*list.List).SetItems(*list.Items);
        (this->*list.List).SetItemIndex(0);
        (this->*list.Label).Caption = list.Caption;
    }
    for (const TButtonRow& row : ButtonRows()) {
        (this->*row.PressAndHold).SetItems(*row.HoldItems);
        (this->*row.ShortPress).SetItems(*row.ShortItems);
        (this->*row.LongPress).SetItems(kLong8Items);
        for (ui::TComboBox* cell : {&(this->*row.PressAndHold), &(this->*row.ShortPress), &(this->*row.LongPress)})
            cell->SetText("(Disabled)");
    }
    for (const TGatewayLine& line : GatewayLines()) {
        (this->*line.IO).SetItems(kIOItems);
        (this->*line.IO).SetItemIndex(line.IOAtCreation);
        (this->*line.Active).SetItems(kActiveItems);
        (this->*line.Active).SetItemIndex(line.ActiveAtCreation);
        ui::TUpDown& pulse = this->*line.Pulse;
        pulse.SetMin(0);
        pulse.SetMax(5000);
        pulse.SetIncrement(10);
        pulse.Associate(this->*line.PulseBox);
        if (line.Fixed) {
            for (ui::TControl* c :
                 std::initializer_list<ui::TControl*>{&(this->*line.IO), &(this->*line.Active), &(this->*line.Function),
                                                      &pulse, &(this->*line.PulseBox)})
                c->Enabled = false;
        }
        if (line.DirectionLocked) (this->*line.IO).Enabled = false;
    }
}

void TSettingsEditor::AddCaption(ui::TControl* parent, ui::TBounds bounds, const std::string& text) {
    auto label = std::make_unique<ui::TLabel>("");
    label->Caption = text;
    label->Place(parent, bounds);
    captions_.push_back(std::move(label));
}

void TSettingsEditor::RegisterControls() {
    controls_ = {&MasterPageControl,
                 &HandsetTabSheet,
                 &CradleTabSheet,
                 &HandsetPageControl,
                 &UserExperienceTabSheet,
                 &AudioLevelsTabSheet,
                 &EmergencyTabSheet,
                 &HardwareTabSheet,
                 &CradlePageControl,
                 &GWAudioLevelsTabSheet,
                 &GWHardwareTabSheet,
                 &grpModelBox,
                 &butModelArdex,
                 &butModelKesto,
                 &PressAndHoldEmergencyGroupBox,
                 &ShortOrLongPressEmergencyGroupBox,
                 &ButtonAssignmentsGroupBox};
    for (const TTickSetting& tick : TickSettings()) controls_.push_back(&(this->*tick.Box));
    for (const TSpinSetting& spin : SpinSettings())
        controls_.insert(controls_.end(), {&(this->*spin.Label), &(this->*spin.Box), &(this->*spin.UpDown)});
    for (const TListSetting& list : ListSettings())
        controls_.insert(controls_.end(), {&(this->*list.Label), &(this->*list.List)});
    for (const TButtonRow& row : ButtonRows())
        controls_.insert(controls_.end(),
                         {&(this->*row.PressAndHold), &(this->*row.ShortPress), &(this->*row.LongPress)});
    for (const TGatewayLine& line : GatewayLines())
        controls_.insert(controls_.end(), {&(this->*line.IO), &(this->*line.Active), &(this->*line.Function),
                                           &(this->*line.PulseBox), &(this->*line.Pulse)});
}

void TSettingsEditor::WireHandlers() {
    FixedAlertToneVolumeCheckBox.OnClick = [this] { FixedAlertToneVolumeCheckBoxClick(); };
    GWVOXEnabledCORCheckBox.OnClick = [this] { GWVOXEnabledCORCheckBoxClick(); };
    GWFindMeFunctionCheckBox.OnClick = [this] { GWFindMeFunctionCheckBoxClick(); };
    LowBatteryBeepVoltageUpDown.OnPositionSet = [this] { ShowLowBatteryVoltage(); };
    butModelArdex.OnClick = [this] { butModelArdexClick(); };
    butModelKesto.OnClick = [this] { butModelKestoClick(); };
    for (const TButtonRow& row : ButtonRows())
        (this->*row.PressAndHold).OnChange = [this] { PressAndHoldComboBoxChange(); };
    for (const TGatewayLine& line : GatewayLines()) {
        if (line.Fixed) continue;
        if (!line.DirectionLocked) (this->*line.IO).OnChange = [this, &line] { IOComboBoxChange(line); };
        (this->*line.Function).OnChange = [this, &line] { FunctionComboBoxChange(line); };
    }
}

}  // namespace editor
