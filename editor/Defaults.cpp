// The factory defaults of each unit kind, from the settings tables.

#include <algorithm>
#include <functional>
#include <vector>

#include "editor/ListText.h"
#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"

namespace editor {
namespace {

void ApplyTickDefault(TSettingsEditor& e, const TTickSetting& tick) {
    switch (tick.Default) {
    case TTickDefault::Unticked: (e.*tick.Box).SetChecked(false); break;
    case TTickDefault::Ticked: (e.*tick.Box).SetChecked(true); break;
    case TTickDefault::TickedWhenArdex:
        if (e.ArdexSelected()) (e.*tick.Box).SetChecked(true);
        break;
    }
}

// One tick box, spin or list put to its default, at its step of its unit's defaults.
struct TDefaultStep {
    int Step;
    std::function<void(TSettingsEditor&)> Apply;
};

// The tick boxes, spins and lists of one unit in the order its defaults set them: a tick
// box's click rule sees exactly the settings set before it.
template <typename TOnUnit>
std::vector<TDefaultStep> DefaultSteps(TOnUnit onUnit) {
    std::vector<TDefaultStep> steps;
    for (const TTickSetting& tick : TickSettings())
        if (onUnit(tick.Page))
            steps.push_back({tick.DefaultStep, [&tick](TSettingsEditor& e) { ApplyTickDefault(e, tick); }});
    for (const TSpinSetting& spin : SpinSettings())
        if (onUnit(spin.Page))
            steps.push_back(
                {spin.DefaultStep, [&spin](TSettingsEditor& e) { (e.*spin.UpDown).SetPosition(spin.Default); }});
    for (const TListSetting& list : ListSettings())
        if (onUnit(list.Page))
            steps.push_back(
                {list.DefaultStep, [&list](TSettingsEditor& e) { SelectItemContaining(e.*list.List, list.Default); }});
    std::sort(steps.begin(), steps.end(), [](const TDefaultStep& a, const TDefaultStep& b) { return a.Step < b.Step; });
    return steps;
}

template <typename TOnUnit>
void ApplySettingDefaults(TSettingsEditor& e, TOnUnit onUnit) {
    for (const TDefaultStep& step : DefaultSteps(onUnit)) step.Apply(e);
}

bool OnHandsetPage(TPage page) { return !IsGatewayPage(page); }

}  // namespace

// The voltage box follows its spin's position, so it reads 3.5 before the next spin is set.
void TSettingsEditor::ApplyHandsetDefaults() {
    ApplySettingDefaults(*this, OnHandsetPage);
    for (const TButtonRow& row : ButtonRows()) SelectItemContaining(this->*row.PressAndHold, row.DefaultHold);
    for (const TButtonRow& row : ButtonRows()) SelectItemContaining(this->*row.ShortPress, row.DefaultShort);
    for (const TButtonRow& row : ButtonRows()) SelectItemContaining(this->*row.LongPress, row.DefaultLong);
    RefreshDependentControls();
}

// The pulses are set to 0 before the pulse range rule, so that its 500 or 0 stands.
void TSettingsEditor::ApplyGatewayDefaults() {
    ApplySettingDefaults(*this, IsGatewayPage);
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
