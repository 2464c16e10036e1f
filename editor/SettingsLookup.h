#pragma once
// The settings row of a control, and the start-up check that makes those lookups safe:
// every setting control is described by exactly one row, and no row leaves a control out.

#include "editor/SettingsTables.h"

namespace editor {

// The row of a tick box or a spin; std::logic_error when no row describes it.
const TTickSetting& TickSettingOf(ui::TCheckBox E::*box);
const TSpinSetting& SpinSettingOf(ui::TUpDown E::*upDown);

// std::logic_error naming the first fault: a row without one of its controls, or a
// control that two rows describe.
void CheckSettingDescriptions();

}  // namespace editor
