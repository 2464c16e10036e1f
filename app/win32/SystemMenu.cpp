#include "app/win32/SystemMenu.h"

namespace app::win32 {

void AddSelectTransportItem(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    if (menu == nullptr) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kSelectTransportCommand, L"Select &Transport...");
}

}  // namespace app::win32
