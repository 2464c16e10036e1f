#include "app/win32/SelectTransportWindow.h"

#include <commctrl.h>

#include <utility>

#include "ui/win32/Dpi.h"
#include "ui/win32/ModalDialog.h"
#include "ui/win32/WideText.h"

namespace app::win32 {
namespace {

using ui::win32::ScaledToDpi;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr int kListId = 100;  // the buttons are IDOK and IDCANCEL, as the dialog keys expect

// The layout at 96 DPI, in the window's own font, MS Sans Serif 11 pixels high.
struct TPlace {
    int Id;
    int Left, Top, Width, Height;
};
constexpr TPlace kPlaces[] = {
    {kListId, 12, 12, 292, 160},  // the height is the dropped-down list's
    {IDOK, 148, 45, 75, 23},
    {IDCANCEL, 229, 45, 75, 23},
};
constexpr int kClientWidth = 316;
constexpr int kClientHeight = 80;
constexpr int kFontHeight = 11;

struct TPickerState {
    app::TSelectTransportForm& Form;
    HWND Owner;
    HFONT Font = nullptr;
};

HFONT FontFor(int dpi) {
    return CreateFontW(-ScaledToDpi(kFontHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       L"MS Sans Serif");
}

// The frame around the scaled client area, with the frame metrics of that DPI where
// Windows has them (Windows 10 1607 on).
SIZE FrameSize(HWND dialog, int dpi) {
    RECT frame{0, 0, ScaledToDpi(kClientWidth, dpi), ScaledToDpi(kClientHeight, dpi)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE));
    using TAdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<TAdjustForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Places the controls for `dpi`, in a font made for it.
void LayOut(HWND dialog, TPickerState& state, int dpi) {
    HFONT previous = std::exchange(state.Font, FontFor(dpi));
    for (const TPlace& place : kPlaces) {
        HWND control = GetDlgItem(dialog, place.Id);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.Font), TRUE);
        MoveWindow(control, ScaledToDpi(place.Left, dpi), ScaledToDpi(place.Top, dpi), ScaledToDpi(place.Width, dpi),
                   ScaledToDpi(place.Height, dpi), TRUE);
    }
    if (previous != nullptr) DeleteObject(previous);
}

void MakeControl(HWND dialog, const wchar_t* cls, const std::string& text, DWORD style, int id) {
    CreateWindowExW(0, cls, ui::win32::ShownText(text).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0,
                    dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void Build(HWND dialog, TPickerState& state) {
    const app::TSelectTransportForm& form = state.Form;
    SetWindowTextW(dialog, ui::win32::ShownText(form.Caption).c_str());
    MakeControl(dialog, WC_COMBOBOXW, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP, kListId);
    MakeControl(dialog, L"BUTTON", form.OKButton.Caption, BS_DEFPUSHBUTTON | WS_GROUP, IDOK);
    MakeControl(dialog, L"BUTTON", form.CancelButton.Caption, BS_PUSHBUTTON, IDCANCEL);
    HWND list = GetDlgItem(dialog, kListId);
    for (const std::string& item : form.TransportComboBox.Items())
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ui::win32::ShownText(item).c_str()));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(form.TransportComboBox.ItemIndex()), 0);

    const int dpi = ui::win32::DpiOfWindow(dialog);
    LayOut(dialog, state, dpi);
    ui::win32::CentreOverOwner(dialog, state.Owner, FrameSize(dialog, dpi));
    SetFocus(list);
}

// Every user action goes to the picker's model, which says when it is done.
void Command(HWND dialog, app::TSelectTransportForm& form, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case kListId:
        if (HIWORD(wParam) == CBN_SELCHANGE)
            form.TransportComboBox.UserSelect(
                static_cast<int>(SendMessageW(GetDlgItem(dialog, kListId), CB_GETCURSEL, 0, 0)));
        break;
    case IDOK: form.OKButton.UserClick(); break;
    case IDCANCEL: form.CancelButton.UserClick(); break;  // also Escape and the close button
    default: break;
    }
    if (form.Closed()) EndDialog(dialog, 0);
}

INT_PTR CALLBACK PickerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<TPickerState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Build(dialog, *reinterpret_cast<TPickerState*>(lParam));
        return FALSE;  // the focus is set
    case WM_COMMAND:
        if (state) Command(dialog, state->Form, wParam);
        return TRUE;
    case WM_DPICHANGED:
        if (state) {
            LayOut(dialog, *state, HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(dialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void TSelectTransportWindow::ShowModal(app::TSelectTransportForm& form) {
    TPickerState state{form, owner_.Window};
    ui::win32::ShowModalDialog(owner_, kStyle, PickerProc, &state);
    if (state.Font != nullptr) DeleteObject(state.Font);
}

}  // namespace app::win32
