#pragma once
// The window layout is given in pixels at 96 DPI; on screen every position, size and font
// height is scaled by the DPI of the window that shows it.

#include <windows.h>

namespace ui::win32 {

inline constexpr int kLayoutDpi = 96;

// The DPI of the monitor the window is on (GetDpiForWindow where Windows has it, from
// Windows 10 1607 on), else the system DPI of the screen.
int DpiOfWindow(HWND window);

// A length of the 96-DPI layout at the given DPI, rounded to the nearest pixel.
inline int ScaledToDpi(int lengthAt96, int dpi) { return MulDiv(lengthAt96, dpi, kLayoutDpi); }

// The window rectangle around the client rectangle `client`, with the frame a window of
// these styles has at `dpi`. Before Windows 10 1607 the frame is the system DPI's, which
// is what Windows draws there.
RECT FrameAroundClient(RECT client, DWORD style, DWORD exStyle, int dpi);

// A system metric (SM_CXICON...) at `dpi`; before Windows 10 1607, the system DPI's value
// scaled to `dpi`.
int SystemMetricForDpi(int index, int dpi);

// The font Windows uses for the texts of message boxes, made for `dpi`; the caller
// deletes it.
HFONT MessageFontForDpi(int dpi);

}  // namespace ui::win32
