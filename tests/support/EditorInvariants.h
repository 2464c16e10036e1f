#pragma once
// The promises the editor keeps whatever the user, a file or a unit did to it, as a list
// of the ones broken: every spin with its range and showing its position, the "Right 1"
// row and the "Radio PTT" line locked, each Function list holding the functions of its line's direction. Used by
// the fault soak and the fuzz targets, so it reports rather than asserts.

#include <string>
#include <vector>

#include "editor/KeyPressMaps.h"
#include "editor/ListText.h"
#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"

namespace testing_support {

inline void CheckSpins(const editor::TSettingsEditor& e, std::vector<std::string>& broken) {
    for (const editor::TSpinSetting& s : editor::SpinSettings()) {
        const ui::TUpDown& spin = e.*s.UpDown;
        if (spin.Min() != s.Min || spin.Max() != s.Max)
            broken.push_back(spin.Name + " range is " + std::to_string(spin.Min()) + ".." + std::to_string(spin.Max()));
        if (s.BoxFollowsSpin && (e.*s.Box).Text() != std::to_string(spin.Position()))
            broken.push_back((e.*s.Box).Name + " shows \"" + (e.*s.Box).Text() + "\" for position " +
                             std::to_string(spin.Position()));
    }
    // A pulse has the short range or the Aux range, and its box shows it.
    for (const editor::TGatewayLine& line : editor::GatewayLines()) {
        const ui::TUpDown& pulse = e.*line.Pulse;
        const bool shortRange = pulse.Min() == 0 && pulse.Max() == 5000;
        const bool auxRange = pulse.Min() == 10 && pulse.Max() == 30000;
        if (!shortRange && !auxRange)
            broken.push_back(pulse.Name + " range is " + std::to_string(pulse.Min()) + ".." +
                             std::to_string(pulse.Max()));
        if ((e.*line.PulseBox).Text() != std::to_string(pulse.Position()))
            broken.push_back((e.*line.PulseBox).Name + " shows \"" + (e.*line.PulseBox).Text() + "\" for position " +
                             std::to_string(pulse.Position()));
    }
}

inline void CheckLockedControls(const editor::TSettingsEditor& e, std::vector<std::string>& broken) {
    const editor::TGatewayLine& radioPTT = editor::GatewayLines().front();
    const editor::TButtonRow& right1 = editor::ButtonRows().back();
    const ui::TControl* locked[] = {&(e.*right1.PressAndHold), &(e.*right1.ShortPress), &(e.*right1.LongPress),
                                    &(e.*radioPTT.IO),         &(e.*radioPTT.Active),   &(e.*radioPTT.Function),
                                    &(e.*radioPTT.Pulse),      &(e.*radioPTT.PulseBox)};
    for (const ui::TControl* c : locked)
        if (c->Enabled) broken.push_back(c->Name + " is enabled");
}

// A line without a direction selected has no list it must hold.
inline void CheckFunctionLists(const editor::TSettingsEditor& e, std::vector<std::string>& broken) {
    for (const editor::TGatewayLine& line : editor::GatewayLines()) {
        const ui::TComboBox& io = e.*line.IO;
        const ui::TComboBox& function = e.*line.Function;
        std::vector<std::string> expected;
        if (editor::SelectedItemContains(io, "Input"))
            expected = editor::InputFunctionItems();
        else if (editor::SelectedItemContains(io, "Output"))
            expected = editor::OutputFunctionItems(line.OffersHandsfree);
        else
            continue;
        if (function.Items() != expected)
            broken.push_back(function.Name + " does not hold the " + io.Text() + " functions");
        if (function.ItemIndex() < -1 || function.ItemIndex() >= function.Count())
            broken.push_back(function.Name + " selects index " + std::to_string(function.ItemIndex()));
    }
}

inline std::vector<std::string> BrokenEditorInvariants(const editor::TSettingsEditor& e) {
    std::vector<std::string> broken;
    CheckSpins(e, broken);
    CheckLockedControls(e, broken);
    CheckFunctionLists(e, broken);
    return broken;
}

}  // namespace testing_support
