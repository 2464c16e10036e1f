#include "app/win32/CompareWindow.h"

#include <commctrl.h>

#include <iterator>
#include <memory>
#include <string>

#include "ui/win32/AccessibleName.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/ModalDialog.h"
#include "ui/win32/NativeControl.h"
#include "ui/win32/WideText.h"

namespace app::win32 {
namespace {

using ui::win32::ScaledToDpi;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME;
// "Load This File" and "Close" are IDOK and IDCANCEL, as Enter and Escape expect.
constexpr int kSummaryId = 100;
constexpr int kListId = 101;

// The layout at 96 DPI, in the window's own font, MS Sans Serif 11 pixels high. The list
// fills what the line above it and the buttons below it leave.
constexpr int kMargin = 12;
constexpr int kGap = 6;
constexpr int kLineHeight = 13;
constexpr int kButtonHeight = 23;
constexpr int kLoadWidth = 100;
constexpr int kCloseWidth = 75;
constexpr SIZE kClientSize{660, 340};
constexpr SIZE kSmallestClient{360, 160};
constexpr int kColumnWidths[] = {150, 240, 110, 110};
static_assert(std::size(kColumnWidths) == app::kCompareColumns.size());

struct TDialogState {
    app::TCompareForm& Form;
    HWND Owner;
    int Dpi = ui::win32::kLayoutDpi;
    std::unique_ptr<ui::win32::TFonts> Fonts;
};

HWND MakeControl(HWND dialog, const wchar_t* cls, const std::string& text, DWORD style, int id) {
    return CreateWindowExW(0, cls, ui::win32::ShownText(text).c_str(), WS_CHILD | style, 0, 0, 0, 0, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// The dialog's size around a client area of the 96-DPI layout, at `dpi`.
SIZE FrameSize(HWND dialog, SIZE client, int dpi) {
    const RECT frame =
        ui::win32::FrameAroundClient(RECT{0, 0, ScaledToDpi(client.cx, dpi), ScaledToDpi(client.cy, dpi)},
                                     static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)),
                                     static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)), dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Every control placed in the client area as it is now, at the dialog's DPI.
void Place(HWND dialog, const TDialogState& state) {
    RECT client{};
    GetClientRect(dialog, &client);
    const auto at = [&state](int length) { return ScaledToDpi(length, state.Dpi); };
    const int buttonsTop = client.bottom - at(kMargin + kButtonHeight);
    const int listTop = at(kMargin + kLineHeight + kGap);
    const int closeLeft = client.right - at(kMargin + kCloseWidth);
    const int loadLeft = closeLeft - at(kGap + kLoadWidth);
    const struct {
        int Id;
        RECT Place;
    } places[] = {
        {kSummaryId, {at(kMargin), at(kMargin), client.right - at(kMargin), at(kMargin + kLineHeight)}},
        {kListId, {at(kMargin), listTop, client.right - at(kMargin), buttonsTop - at(kGap + 2)}},
        {IDOK, {loadLeft, buttonsTop, loadLeft + at(kLoadWidth), buttonsTop + at(kButtonHeight)}},
        {IDCANCEL, {closeLeft, buttonsTop, closeLeft + at(kCloseWidth), buttonsTop + at(kButtonHeight)}},
    };
    for (const auto& p : places)
        MoveWindow(GetDlgItem(dialog, p.Id), p.Place.left, p.Place.top, p.Place.right - p.Place.left,
                   p.Place.bottom - p.Place.top, TRUE);
}

// A font made for the new DPI, and the list's columns scaled from the old one, so that a
// column the user has widened stays widened.
void ScaleTo(HWND dialog, TDialogState& state, int dpi) {
    auto fonts = std::make_unique<ui::win32::TFonts>(dpi);
    for (const int id : {kSummaryId, kListId, IDOK, IDCANCEL})
        SendMessageW(GetDlgItem(dialog, id), WM_SETFONT, reinterpret_cast<WPARAM>(fonts->Form), TRUE);
    HWND list = GetDlgItem(dialog, kListId);
    for (int column = 0; column < static_cast<int>(std::size(kColumnWidths)); ++column) {
        const auto width = static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
        SendMessageW(list, LVM_SETCOLUMNWIDTH, column, MulDiv(width, dpi, state.Dpi));
    }
    state.Fonts = std::move(fonts);
    state.Dpi = dpi;
}

void FillList(HWND list, const app::TCompareForm& form) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int column = 0; column < static_cast<int>(app::kCompareColumns.size()); ++column) {
        std::wstring heading = ui::win32::ShownText(app::kCompareColumns[static_cast<std::size_t>(column)]);
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        c.pszText = heading.data();
        c.cx = kColumnWidths[column];  // at 96 DPI; scaled with the font
        c.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    }
    int index = 0;
    for (const app::TCompareRow& row : form.Rows()) {
        const std::string* cells[] = {&row.Page, &row.Setting, &row.Now, &row.InFile};
        for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
            std::wstring text = ui::win32::ShownText(*cells[column]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = index;
            item.iSubItem = column;
            item.pszText = text.data();
            SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item));
        }
        ++index;
    }
    // The first row is where the arrows start.
    LVITEMW first{};
    first.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    first.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
}

// The controls in Tab order, the list only when there is something to list.
void Build(HWND dialog, TDialogState& state) {
    const app::TCompareForm& form = state.Form;
    SetWindowTextW(dialog, ui::win32::ShownText(form.Caption).c_str());
    MakeControl(dialog, L"STATIC", form.SummaryLabel.Caption, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kSummaryId);
    const bool rows = !form.Rows().empty();
    HWND list = MakeControl(dialog, WC_LISTVIEWW, "",
                            (rows ? WS_VISIBLE : 0) | WS_TABSTOP | WS_GROUP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL |
                                LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                            kListId);
    HWND load = MakeControl(dialog, L"BUTTON", form.LoadThisFileButton.Caption,
                            WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, IDOK);
    MakeControl(dialog, L"BUTTON", form.CloseButton.Caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL);
    FillList(list, form);
    // The list after the line above it; its headings, which no reader names by themselves,
    // after what they say.
    ui::win32::SetAccessibleName(list, ui::win32::ShownText(form.SummaryLabel.Caption));
    std::string headings;
    for (const char* heading : app::kCompareColumns) {
        if (!headings.empty()) headings += ", ";
        headings += heading;
    }
    ui::win32::SetAccessibleName(ListView_GetHeader(list), ui::win32::ShownText(headings));

    ScaleTo(dialog, state, ui::win32::DpiOfWindow(dialog));
    ui::win32::CentreOverOwner(dialog, state.Owner, FrameSize(dialog, kClientSize, state.Dpi));
    Place(dialog, state);
    SetFocus(rows ? list : load);
}

// Every button goes to the dialog's model, which says when it is done.
void Command(HWND dialog, app::TCompareForm& form, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case IDOK: form.LoadThisFileButton.UserClick(); break;
    case IDCANCEL: form.CloseButton.UserClick(); break;  // also Escape and the close button
    default: break;
    }
    if (form.Closed()) EndDialog(dialog, 0);
}

INT_PTR CALLBACK CompareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<TDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        Build(dialog, *reinterpret_cast<TDialogState*>(lParam));
        return FALSE;  // the focus is set
    case WM_COMMAND:
        if (state) Command(dialog, state->Form, wParam);
        return TRUE;
    case WM_SIZE:
        if (state) Place(dialog, *state);
        return TRUE;
    case WM_GETMINMAXINFO:
        if (state) {
            const SIZE smallest = FrameSize(dialog, kSmallestClient, state->Dpi);
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {smallest.cx, smallest.cy};
        }
        return TRUE;
    case WM_DPICHANGED:
        // Moved to a monitor of another scaling: the font and columns of that DPI, and the
        // place and size Windows suggests, in which the controls are placed again.
        if (state) {
            ScaleTo(dialog, *state, HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(dialog, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            Place(dialog, *state);
        }
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

void TCompareWindow::ShowModal(app::TCompareForm& form) {
    TDialogState state{form, owner_.Window, ui::win32::kLayoutDpi, nullptr};
    ui::win32::ShowModalDialog(owner_, kStyle, CompareProc, &state);
}

}  // namespace app::win32
