#include "ui/win32/PromptWindow.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ui/win32/Dpi.h"
#include "ui/win32/EmptyDialogTemplate.h"
#include "ui/win32/WideText.h"

namespace ui::win32 {
namespace {

constexpr int kFirstButtonId = 100;
constexpr int kClosedByTitleBar = 2;
constexpr int kExtraButtonHeight = 6;

// The dialog as it runs: what to show, at the DPI of its owner, and what is made for it.
struct TPromptState {
    const TPromptWindow* Window = nullptr;
    HWND Owner = nullptr;
    int Dpi = kLayoutDpi;
    HFONT Font = nullptr;
    HICON Icon = nullptr;
};

// The system's icon of the message type; its resource numbers are the same for the A
// and W calls.
PCWSTR IconOf(int type) {
    switch (type) {
    case 0: return reinterpret_cast<PCWSTR>(IDI_WARNING);
    case 1: return reinterpret_cast<PCWSTR>(IDI_ERROR);
    case 2: return reinterpret_cast<PCWSTR>(IDI_INFORMATION);
    default: return nullptr;
    }
}

HWND Child(HWND dialog, const char* cls, const char* text, DWORD style, int id, HFONT font) {
    HWND child = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

// Lays the dialog out in the font's dialog units, as the usual message dialogs are: icon
// top left, text beside it, the buttons centred in a row below.
void BuildDialog(HWND dialog, TPromptState& state) {
    const TPromptWindow& window = *state.Window;
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, state.Font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int unitX = std::max<int>(1, metrics.tmAveCharWidth);
    const int unitY = std::max<int>(1, metrics.tmHeight);
    const int margin = MulDiv(8, unitX, 4);
    const int gap = MulDiv(4, unitX, 4);

    // The text may name a file: it is measured and shown as UTF-16.
    const std::wstring shownText = ShownText(window.Text);
    RECT textRect{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextW(dc, shownText.c_str(), -1, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);

    const int buttonHeight = MulDiv(14, unitY, 8) + ScaledToDpi(kExtraButtonHeight, state.Dpi);
    std::vector<int> widths;
    for (const TPromptButton& button : window.Buttons) {
        RECT r{0, 0, 0, 0};
        DrawTextA(dc, button.Caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
        widths.push_back(std::max<int>(MulDiv(50, unitX, 4), r.right + 2 * margin));
    }
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);

    const PCWSTR iconName = IconOf(window.Type);
    const int iconSize = iconName ? SystemMetricForDpi(SM_CXICON, state.Dpi) : 0;
    const int textLeft = margin + (iconName ? iconSize + 2 * gap : 0);
    int buttonsWidth = 0;
    for (int w : widths) buttonsWidth += w;
    buttonsWidth += gap * 2 * static_cast<int>(std::max<std::size_t>(1, widths.size()) - 1);
    const int clientWidth = std::max<int>(textLeft + textRect.right + margin, buttonsWidth + 2 * margin);
    const int contentHeight = std::max<int>(iconSize, textRect.bottom);
    const int buttonTop = margin + contentHeight + 2 * margin;
    const int clientHeight = buttonTop + buttonHeight + margin;

    if (iconName) {
        HWND icon = Child(dialog, "STATIC", "", SS_ICON, -1, state.Font);
        // Taken at the size of this DPI: LoadIcon's is the system DPI's.
        state.Icon = static_cast<HICON>(LoadImageW(nullptr, iconName, IMAGE_ICON, iconSize, iconSize, 0));
        SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(state.Icon), 0);
        MoveWindow(icon, margin, margin, iconSize, iconSize, FALSE);
    }
    HWND text = Child(dialog, "STATIC", "", SS_LEFT | SS_NOPREFIX, -1, state.Font);
    SetWindowTextW(text, shownText.c_str());
    const int textTop = margin + std::max<int>(0, (iconSize - textRect.bottom) / 2);
    MoveWindow(text, textLeft, textTop, textRect.right, textRect.bottom, FALSE);

    int x = (clientWidth - buttonsWidth) / 2;
    HWND focused = nullptr;
    for (std::size_t i = 0; i < window.Buttons.size(); ++i) {
        const int id = kFirstButtonId + static_cast<int>(i);
        const bool isFocused = static_cast<int>(i) + 1 == window.Focused;
        HWND button = Child(dialog, "BUTTON", window.Buttons[i].Caption.c_str(),
                            WS_TABSTOP | (isFocused ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), id, state.Font);
        MoveWindow(button, x, buttonTop, widths[i], buttonHeight, FALSE);
        x += widths[i] + 2 * gap;
        if (isFocused) focused = button;
    }

    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT area{};
    if (state.Owner && IsWindowVisible(state.Owner) && !IsIconic(state.Owner))
        GetWindowRect(state.Owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    SetWindowPos(dialog, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height, SWP_NOZORDER);
    SetWindowTextA(dialog, window.Caption.c_str());

    if (focused) {
        SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(focused)), 0);
        SetFocus(focused);
    }
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<TPromptState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        BuildDialog(dialog, *reinterpret_cast<TPromptState*>(lParam));
        return FALSE;  // the focus is set
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
    case WM_COMMAND: {
        const int index = LOWORD(wParam) - kFirstButtonId;
        if (state && HIWORD(wParam) == BN_CLICKED && index >= 0 &&
            index < static_cast<int>(state->Window->Buttons.size()))
            EndDialog(dialog, state->Window->Buttons[static_cast<std::size_t>(index)].Result);
        return TRUE;  // Escape arrives as IDCANCEL and answers nothing
    }
    case WM_CLOSE: EndDialog(dialog, kClosedByTitleBar); return TRUE;
    default: return FALSE;
    }
}

}  // namespace

int TWin32Prompts::ShowModal(const TPromptWindow& window) {
    owner_.BeforeModal();
    const int dpi = DpiOfWindow(owner_.Window);
    TPromptState state{&window, owner_.Window, dpi, MessageFontForDpi(dpi)};
    TEmptyDialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    const INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.Header(), owner_.Window,
                                                   PromptProc, reinterpret_cast<LPARAM>(&state));
    DeleteObject(state.Font);
    if (state.Icon) DestroyIcon(state.Icon);
    return result > 0 ? static_cast<int>(result) : kClosedByTitleBar;
}

}  // namespace ui::win32
