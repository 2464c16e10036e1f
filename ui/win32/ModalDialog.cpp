#include "ui/win32/ModalDialog.h"

#include "ui/win32/EmptyDialogTemplate.h"

namespace ui::win32 {

void ShowModalDialog(const TModalOwner& owner, DWORD style, DLGPROC procedure, void* state) {
    owner.BeforeModal();
    HWND focused = GetFocus();
    TEmptyDialogTemplate dialog(style);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Header(), owner.Window, procedure,
                            reinterpret_cast<LPARAM>(state));
    if (focused != nullptr && IsWindow(focused)) SetFocus(focused);
}

void CentreOverOwner(HWND dialog, HWND owner, SIZE size) {
    RECT area{};
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - size.cx) / 2,
                 area.top + (area.bottom - area.top - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER);
}

}  // namespace ui::win32
