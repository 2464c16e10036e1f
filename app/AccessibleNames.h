#pragma once
// The name a screen reader gives each control of the main window that shows no caption of
// its own: what a sighted user reads beside it. A list, a spin and a spin's box are named
// after the setting's caption, or in a grid after the row and the column; a tab set after
// its page on show; the picture and the log after what they are. Buttons, tick boxes,
// radio buttons, labels, frames and pages carry their own caption, which names them.

#include <string>

#include "app/MajorForm.h"
#include "ui/Control.h"

namespace app {

// Empty for a control that carries its own caption.
std::string AccessibleName(const TMajorForm& form, const ui::TControl& control);

}  // namespace app
