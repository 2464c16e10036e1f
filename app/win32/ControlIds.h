#pragma once
// Which controls of the main window get a native window, in a fixed order, and the control
// identifier each one gets: the renderer uses them, and so does the test driver that finds
// a control of the running program by its name.

#include <cstddef>
#include <string>
#include <vector>

#include "app/MajorForm.h"

namespace app::win32 {

// The window class of the main window.
inline constexpr const char* kFormClass = "ZentaMajorForm";

inline constexpr int kFirstControlId = 1000;

// Every control of the window, then the grid headings and unit labels.
std::vector<ui::TControl*> RenderedControls(app::TMajorForm& form);

inline int ControlId(std::size_t index) { return kFirstControlId + static_cast<int>(index); }

// The identifier of the control with that name, or 0 when there is none.
int ControlIdOf(app::TMajorForm& form, const std::string& name);

}  // namespace app::win32
