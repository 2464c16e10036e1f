#include "ui/win32/NativeControl.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Pages.h"
#include "ui/Text.h"
#include "ui/UpDown.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/LogBox.h"

namespace ui::win32 {
namespace {

constexpr int kDropDownHeight = 220;  // room for the longest item list below a list box

HFONT Font(int height, int weight, const char* face) {
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

struct TWindowKind {
    const char* Class;
    DWORD Style;
    DWORD ExStyle;
};

TWindowKind WindowKindOf(TNativeKind kind) {
    switch (kind) {
    case TNativeKind::Button: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case TNativeKind::CheckBox: return {"BUTTON", BS_CHECKBOX | WS_TABSTOP, 0};
    // Not BS_AUTORADIOBUTTON: the model selects, deselects the peers and runs the edition
    // rule, the window only shows it. The tab stop follows the selection (Sync).
    case TNativeKind::RadioButton: return {"BUTTON", BS_RADIOBUTTON, 0};
    case TNativeKind::ComboBox: return {WC_COMBOBOXA, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case TNativeKind::UpDown: return {UPDOWN_CLASSA, UDS_ARROWKEYS, 0};
    case TNativeKind::ValueBox: return {"EDIT", ES_READONLY | ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case TNativeKind::Label: return {"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case TNativeKind::GroupBox: return {"BUTTON", BS_GROUPBOX, 0};
    case TNativeKind::Memo:
        return {"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL,
                WS_EX_CLIENTEDGE};
    case TNativeKind::Picture: return {"STATIC", SS_BITMAP | SS_NOTIFY, 0};
    case TNativeKind::TabSet: return {WC_TABCONTROLA, WS_TABSTOP | WS_CLIPCHILDREN, 0};
    case TNativeKind::Page: return {kPageClass, 0, WS_EX_CONTROLPARENT};
    }
    return {"STATIC", 0, 0};
}

void SetText(HWND handle, const std::string& text) { SetWindowTextA(handle, text.c_str()); }

}  // namespace

TNativeKind NativeKindOf(const TControl& control) {
    if (dynamic_cast<const TButton*>(&control)) return TNativeKind::Button;
    if (dynamic_cast<const TCheckBox*>(&control)) return TNativeKind::CheckBox;
    if (dynamic_cast<const TRadioButton*>(&control)) return TNativeKind::RadioButton;
    if (dynamic_cast<const TComboBox*>(&control)) return TNativeKind::ComboBox;
    if (dynamic_cast<const TUpDown*>(&control)) return TNativeKind::UpDown;
    if (dynamic_cast<const TStaticText*>(&control)) return TNativeKind::ValueBox;
    if (dynamic_cast<const TLabel*>(&control)) return TNativeKind::Label;
    if (dynamic_cast<const TGroupBox*>(&control)) return TNativeKind::GroupBox;
    if (dynamic_cast<const TMemo*>(&control)) return TNativeKind::Memo;
    if (dynamic_cast<const TImage*>(&control)) return TNativeKind::Picture;
    if (dynamic_cast<const TPageControl*>(&control)) return TNativeKind::TabSet;
    if (dynamic_cast<const TTabSheet*>(&control)) return TNativeKind::Page;
    throw std::logic_error("no native control stands for the control " + control.Name);
}

TFonts::TFonts(int dpi)
    : Form(Font(ScaledToDpi(11, dpi), FW_NORMAL, "MS Sans Serif")),
      Button(Font(ScaledToDpi(16, dpi), FW_BOLD, "MS Sans Serif")),
      Log(Font(ScaledToDpi(12, dpi), FW_NORMAL, "Courier New")) {}

TFonts::~TFonts() {
    DeleteObject(Form);
    DeleteObject(Button);
    DeleteObject(Log);
}

void TNativeControl::Create(HWND parent, POINT origin, int id, void* owner) {
    const TWindowKind window = WindowKindOf(Kind);
    Origin = origin;
    Handle =
        CreateWindowExA(window.ExStyle, window.Class, "", WS_CHILD | WS_CLIPSIBLINGS | window.Style, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), owner);
    if (Handle == nullptr) throw std::runtime_error("the window of the control " + Model->Name + " cannot be made");

    switch (Kind) {
    case TNativeKind::Memo: LiftTextLimit(Handle); break;
    case TNativeKind::UpDown:
        // The model keeps the position; the native control only reports arrow clicks.
        SendMessageA(Handle, UDM_SETRANGE32, static_cast<WPARAM>(-1), 1);
        SendMessageA(Handle, UDM_SETPOS32, 0, 0);
        break;
    case TNativeKind::TabSet: {
        const auto& pages = static_cast<TPageControl*>(Model)->Pages();
        for (std::size_t i = 0; i < pages.size(); ++i) {
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(pages[i]->Caption.c_str());
            SendMessageA(Handle, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        // The selected tab is the one the arrow keys start from. Wine leaves that unset
        // until a selection changes, so that the first arrow key would only select the tab
        // already selected.
        SendMessageA(Handle, TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SendMessageA(Handle, TCM_SETCURSEL, 0, 0);
        break;
    }
    default: break;
    }
}

// Each edge is scaled, not each length, so that controls that meet at 96 DPI meet at
// every DPI.
void TNativeControl::Lay(int dpi, const TFonts& fonts, HBITMAP picture) {
    const HFONT font = Kind == TNativeKind::Button ? fonts.Button : Kind == TNativeKind::Memo ? fonts.Log : fonts.Form;
    SendMessageA(Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // A picture control takes the size of its bitmap: the place below follows it.
    if (Kind == TNativeKind::Picture)
        SendMessageA(Handle, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));

    const TBounds& b = Model->Bounds;
    const int height = Kind == TNativeKind::ComboBox ? b.Height + kDropDownHeight : b.Height;
    const int left = ScaledToDpi(Origin.x, dpi);
    const int top = ScaledToDpi(Origin.y, dpi);
    SetWindowPos(Handle, nullptr, left, top, ScaledToDpi(Origin.x + b.Width, dpi) - left,
                 ScaledToDpi(Origin.y + height, dpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TNativeControl::Sync(bool shown, bool enabled) {
    if (shown != Visible) {
        ShowWindow(Handle, shown ? SW_SHOWNA : SW_HIDE);
        Visible = shown;
    }
    if (enabled != Enabled) {
        EnableWindow(Handle, enabled);
        Enabled = enabled;
    }
    auto text = [this](const std::string& wanted) {
        if (wanted == Text) return;
        SetText(Handle, wanted);
        Text = wanted;
    };
    auto check = [this](bool checked) {
        const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageA(Handle, BM_GETCHECK, 0, 0)) != state)
            SendMessageA(Handle, BM_SETCHECK, state, 0);
    };

    switch (Kind) {
    case TNativeKind::Button: {
        auto& button = *static_cast<TButton*>(Model);
        if (button.MultiLine != MultiLine) {
            const LONG_PTR style = GetWindowLongPtrA(Handle, GWL_STYLE);
            SetWindowLongPtrA(Handle, GWL_STYLE, button.MultiLine ? style | BS_MULTILINE : style & ~BS_MULTILINE);
            MultiLine = button.MultiLine;
            InvalidateRect(Handle, nullptr, TRUE);
        }
        text(button.Caption);
        break;
    }
    case TNativeKind::CheckBox: {
        auto& box = *static_cast<TCheckBox*>(Model);
        text(box.Caption);
        check(box.Checked());
        break;
    }
    case TNativeKind::RadioButton: {
        auto& radio = *static_cast<TRadioButton*>(Model);
        text(radio.Caption);
        check(radio.Checked());
        // Read back, not remembered: BM_SETCHECK moves the tab stop of a radio button too.
        const LONG_PTR style = GetWindowLongPtrA(Handle, GWL_STYLE);
        const LONG_PTR wanted = radio.IsTabStop() ? style | WS_TABSTOP : style & ~WS_TABSTOP;
        if (wanted != style) SetWindowLongPtrA(Handle, GWL_STYLE, wanted);
        break;
    }
    case TNativeKind::ComboBox: {
        auto& list = *static_cast<TComboBox*>(Model);
        if (list.Items() != Items) {
            SendMessageA(Handle, CB_RESETCONTENT, 0, 0);
            for (const std::string& item : list.Items())
                SendMessageA(Handle, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            Items = list.Items();
        }
        if (SendMessageA(Handle, CB_GETCURSEL, 0, 0) != list.ItemIndex())
            SendMessageA(Handle, CB_SETCURSEL, static_cast<WPARAM>(list.ItemIndex()), 0);
        break;
    }
    case TNativeKind::ValueBox: {
        const std::string before = Text;
        text(static_cast<TStaticText*>(Model)->Text());
        // A box with the focus keeps its number marked, as Tab marked it, when its arrow keys move it.
        if (Text != before && GetFocus() == Handle) SendMessageA(Handle, EM_SETSEL, 0, -1);
        break;
    }
    case TNativeKind::Label: text(static_cast<TLabel*>(Model)->Caption); break;
    case TNativeKind::GroupBox: text(static_cast<TGroupBox*>(Model)->Caption); break;
    // A log box on show gets the lines added since it last was; a hidden one waits till it
    // shows, so that an action's time does not grow with a long log nobody sees.
    case TNativeKind::Memo:
        if (Visible) ShowLogLines(Handle, static_cast<TMemo*>(Model)->Lines, Lines);
        break;
    case TNativeKind::TabSet: {
        const auto& tabs = *static_cast<TPageControl*>(Model);
        const auto& pages = tabs.Pages();
        for (std::size_t i = 0; i < pages.size(); ++i)
            if (pages[i] == tabs.ActivePage() && SendMessageA(Handle, TCM_GETCURSEL, 0, 0) != static_cast<LRESULT>(i))
                SendMessageA(Handle, TCM_SETCURSEL, i, 0);
        break;
    }
    // A page is named by its tab's caption, which it draws nowhere.
    case TNativeKind::Page: text(static_cast<TTabSheet*>(Model)->Caption); break;
    case TNativeKind::UpDown:
    case TNativeKind::Picture: break;
    }
}

}  // namespace ui::win32
