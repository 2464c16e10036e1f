// The factory defaults of each unit kind, from the settings tables.

#include "editor/ListText.h"
#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"

namespace editor {
namespace {

template <typename Pred>
void ApplyTickDefaults(TSettingsEditor& e, Pred onPage) {
    for (const TTickSetting& tick : TickSettings()) {
        if (!onPage(tick.Page)) continue;
        switch (tick.Default) {
        case TTickDefault::Unticked: (e.*tick.Box).SetChecked(false); break;
        case TTickDefault::Ticked: (e.*tick.Box).SetChecked(true); break;
        case TTickDefault::TickedWhenArdex:
            if (e.ArdexSelected()) (e.*tick.Box).SetChecked(true);
            break;
        }
    }
}

template <typename Pred>
void ApplySpinDefaults(TSettingsEditor& e, Pred onPage) {
    for (const TSpinSetting& spin : SpinSettings())
        if (onPage(spin.Page)) (e.*spin.UpDown).SetPosition(spin.Default);
}

bool OnHandsetPage(TPage page) { return !IsGatewayPage(page); }

}  // namespace

void TSettingsEditor::ApplyHandsetDefaults() {
    ApplyTickDefaults(*this, OnHandsetPage);
    ApplySpinDefaults(*this, OnHandsetPage);
    for (const TListSetting& list : ListSettings())
        if (OnHandsetPage(list.Page)) SelectItemContaining(this->*list.List, list.Default);
    for (const TButtonRow& row : ButtonRows()) SelectItemContaining(this->*row.PressAndHold, row.DefaultHold);
    for (const TButtonRow& row : ButtonRows()) SelectItemContaining(this->*row.ShortPress, row.DefaultShort);
    for (const TButtonRow& row : ButtonRows()) SelectItemContaining(this->*row.LongPress, row.DefaultLong);
    RefreshDependentControls();
}

// The pulses are set to 0 before the pulse range rule, so that its 500 or 0 stands.
void TSettingsEditor::ApplyGatewayDefaults() {
    ApplySpinDefaults(*this, IsGatewayPage);
    ApplyTickDefaults(*this, IsGatewayPage);
    for (const TGatewayLine& line : GatewayLines()) SelectItemContaining(this->*line.IO, line.Default.IO);
    for (const TGatewayLine& line : GatewayLines()) SelectItemContaining(this->*line.Active, line.Default.Active);
    for (const TGatewayLine& line : GatewayLines()) RebuildFunctionList(line);
    for (const TGatewayLine& line : GatewayLines()) SelectItemContaining(this->*line.Function, line.Default.Function);
    for (const TGatewayLine& line : GatewayLines()) (this->*line.Pulse).SetPosition(line.Default.Pulse);
    for (const TGatewayLine& line : GatewayLines()) ApplyPulseRange(this->*line.Function);
    RememberGatewayIndices();
    RefreshDependentControls();
}

}  // namespace editor
