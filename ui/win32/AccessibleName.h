#pragma once
// Names a native control for screen readers. Windows' accessibility interface (MSAA)
// names a button by its text and an edit box by the label made just before it, but a list
// box by its selected item, and a tab set, a spin's arrows or a picture not at all. The
// system's dynamic annotation (IAccPropServices::SetHwndPropStr) would name them, but Wine
// answers it with E_NOTIMPL; so the control answers WM_GETOBJECT for its client object
// itself, with the system's own object for it under the given name. Everything else a
// screen reader asks (role, state, value, place, children) is the system's answer.

#include <windows.h>

#include <string>

namespace ui::win32 {

// Gives `control` the name, or a new one: a screen reader that holds the control is told
// that its name changed. The thread that made the control must have COM initialised.
void SetAccessibleName(HWND control, const std::wstring& name);

}  // namespace ui::win32
