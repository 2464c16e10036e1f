#include "app/win32/KeyboardNavigation.h"

namespace app::win32 {
namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

std::optional<int> PageStepOf(const MSG& message) {
    if (message.message != WM_KEYDOWN || !Held(VK_CONTROL) || Held(VK_MENU)) return std::nullopt;
    switch (message.wParam) {
    case VK_TAB: return Held(VK_SHIFT) ? -1 : 1;
    case VK_NEXT: return 1;
    case VK_PRIOR: return -1;
    default: return std::nullopt;
    }
}

void ShowFocusRectangles(HWND window) {
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

// Windows hides focus rectangles until the keyboard is used, and hides them again on
// some mouse input; a window driven by the keyboard as much as by the mouse keeps them.
std::optional<WPARAM> UiStateChangeKeepingFocusShown(WPARAM wParam) {
    const WORD action = LOWORD(wParam);
    if (action == UIS_CLEAR) return wParam;
    const auto flags = static_cast<WORD>(HIWORD(wParam) & ~UISF_HIDEFOCUS);
    if (flags == 0) return std::nullopt;
    return MAKEWPARAM(action, flags);
}

}  // namespace app::win32
