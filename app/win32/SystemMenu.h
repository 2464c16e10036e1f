#pragma once
// The main window's system menu: below Windows' own items, "Select &Transport...", which
// opens the transport picker. A dialog-style window has no menu bar; this is where such a
// window puts its few commands of its own.

#include <windows.h>

namespace app::win32 {

// The item's command: below 0xF000, where Windows' own commands start, and with the low
// four bits clear, which WM_SYSCOMMAND keeps for Windows.
inline constexpr UINT kSelectTransportCommand = 0x0100;

void AddSelectTransportItem(HWND window);

// Whether a WM_SYSCOMMAND's wParam is the item's command.
inline bool IsSelectTransportCommand(WPARAM wParam) { return (wParam & 0xFFF0) == kSelectTransportCommand; }

}  // namespace app::win32
