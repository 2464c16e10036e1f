#include "ui/win32/TabSetArea.h"

namespace ui::win32 {

void LeaveAreaToPages(HWND tabSet, const std::vector<HWND>& pages) {
    RECT own{};
    GetWindowRect(tabSet, &own);
    // A window region is in the window's own coordinates, its top left corner at 0, 0.
    HRGN region = CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top);
    for (HWND page : pages) {
        RECT place{};
        GetWindowRect(page, &place);
        HRGN hole =
            CreateRectRgn(place.left - own.left, place.top - own.top, place.right - own.left, place.bottom - own.top);
        CombineRgn(region, region, hole, RGN_DIFF);
        DeleteObject(hole);
    }
    // The system owns the region from here on and frees it with the window.
    SetWindowRgn(tabSet, region, TRUE);
}

}  // namespace ui::win32
