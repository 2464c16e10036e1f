#pragma once
// What the keyboard does in the main window beyond the dialog manager's own Tab, arrow
// and mnemonic keys: Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp switch the pages
// of the tab set that holds the focus, as property sheets do, and the focus rectangle
// shows from the start rather than only after the first key.

#include <windows.h>

#include <optional>

namespace app::win32 {

// 1 for a key that goes to the next page, -1 for one that goes to the previous page,
// nothing for any other message.
std::optional<int> PageStepOf(const MSG& message);

// Shows the focus rectangles of `window` and of every control in it.
void ShowFocusRectangles(HWND window);

// WM_CHANGEUISTATE with any request to hide the focus rectangles taken out: the wParam to
// pass on, or nothing when nothing is left to change.
std::optional<WPARAM> UiStateChangeKeepingFocusShown(WPARAM wParam);

}  // namespace app::win32
