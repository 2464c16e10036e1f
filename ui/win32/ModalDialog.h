#pragma once
// The program's own modal dialogs: a dialog whose procedure makes its controls itself,
// shown over the main window once its controls are in line with the model, with the
// focus back on the control that had it when the dialog closes.

#include <windows.h>

#include "ui/win32/ModalOwner.h"

namespace ui::win32 {

// Runs the dialog until its procedure ends it; `state` reaches WM_INITDIALOG as lParam.
void ShowModalDialog(const TModalOwner& owner, DWORD style, DLGPROC procedure, void* state);

// Gives the dialog that size, in the middle of the owner's window, or of the work area
// when the owner is hidden or minimised.
void CentreOverOwner(HWND dialog, HWND owner, SIZE size);

}  // namespace ui::win32
