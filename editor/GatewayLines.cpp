// The gateway I/O line rules: which functions a line offers for its direction, which
// pulse range a function gets, and the change rules that ignore events changing nothing.

#include "editor/KeyPressMaps.h"
#include "editor/ListText.h"
#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"

namespace editor {
namespace {

constexpr int kShortPulseMin = 0, kShortPulseMax = 5000;
constexpr int kAuxPulseMin = 10, kAuxPulseMax = 30000, kAuxPulse = 500;

}  // namespace

// Always ends with "Disabled" selected: the previous function is not carried over.
void TSettingsEditor::RebuildFunctionList(const TGatewayLine& line) {
    const ui::TComboBox& io = this->*line.IO;
    ui::TComboBox& function = this->*line.Function;
    if (io.Text().find("Input") != std::string::npos) {
        function.SetItems(InputFunctionItems());
    } else if (io.Text().find("Output") != std::string::npos) {
        function.SetItems(OutputFunctionItems(line.OffersHandsfree));
    } else {
        return;
    }
    SelectItemContaining(function, "Disabled");
}

void TSettingsEditor::FixRadioPTTLine() {
    const TGatewayLine& line = GatewayLines().front();
    SelectItemContaining(this->*line.IO, kRadioPTTLine.IO);
    SelectItemContaining(this->*line.Active, kRadioPTTLine.Active);
    RebuildFunctionList(line);
    SelectItemContaining(this->*line.Function, kRadioPTTLine.Function);
    (this->*line.Pulse).SetPosition(kRadioPTTLine.Pulse);
    ApplyPulseRange(this->*line.Function);
}

void TSettingsEditor::ApplyPulseRange(const ui::TComboBox& functionList) {
    for (const TGatewayLine& line : GatewayLines()) {
        if (&(this->*line.Function) != &functionList) continue;
        if (!SelectedItemContains(this->*line.IO, "Output")) return;
        ui::TUpDown& pulse = this->*line.Pulse;
        if (SelectedItemContains(functionList, "Aux 1") || SelectedItemContains(functionList, "Aux 2")) {
            pulse.SetMin(kAuxPulseMin);
            pulse.SetMax(kAuxPulseMax);
            pulse.SetPosition(kAuxPulse);
        } else {
            pulse.SetMin(kShortPulseMin);
            pulse.SetMax(kShortPulseMax);
            pulse.SetPosition(0);
        }
        return;
    }
}

void TSettingsEditor::IOComboBoxChange(const TGatewayLine& line) {
    const int index = (this->*line.IO).ItemIndex();
    if (index == rememberedIO_[line.Index]) return;
    rememberedIO_[line.Index] = index;
    RebuildFunctionList(line);
    RefreshDependentControls();
}

void TSettingsEditor::FunctionComboBoxChange(const TGatewayLine& line) {
    const ui::TComboBox& function = this->*line.Function;
    if (function.ItemIndex() == rememberedFunction_[line.Index]) return;
    rememberedFunction_[line.Index] = function.ItemIndex();
    ApplyPulseRange(function);
}

void TSettingsEditor::RememberGatewayIndices() {
    for (const TGatewayLine& line : GatewayLines()) {
        rememberedIO_[line.Index] = (this->*line.IO).ItemIndex();
        rememberedFunction_[line.Index] = (this->*line.Function).ItemIndex();
    }
}

int TSettingsEditor::RememberedIOIndex(const TGatewayLine& line) const { return rememberedIO_[line.Index]; }

int TSettingsEditor::RememberedFunctionIndex(const TGatewayLine& line) const { return rememberedFunction_[line.Index]; }

}  // namespace editor
