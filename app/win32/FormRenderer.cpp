#include "app/win32/FormRenderer.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "app/AccessibleNames.h"
#include "app/win32/ControlIds.h"
#include "app/win32/CreationOrder.h"
#include "app/win32/KeyboardNavigation.h"
#include "app/win32/ProductPicture.h"
#include "app/win32/SystemMenu.h"
#include "editor/SettingsTables.h"
#include "ui/Buttons.h"
#include "ui/Pages.h"
#include "ui/Text.h"
#include "ui/UpDown.h"
#include "ui/win32/AccessibleName.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/ShellFiles.h"
#include "ui/win32/TabSetArea.h"
#include "ui/win32/WideText.h"

namespace app::win32 {

using ui::TButton;
using ui::TCheckBox;
using ui::TComboBox;
using ui::TControl;
using ui::TImage;
using ui::TLabel;
using ui::TPageControl;
using ui::TRadioButton;
using ui::TStaticText;
using ui::TTabSheet;
using ui::TUpDown;
using ui::win32::kPageClass;
using ui::win32::NativeKindOf;
using ui::win32::ScaledToDpi;
using ui::win32::TFonts;
using ui::win32::TModalOwner;
using ui::win32::TNativeControl;
using ui::win32::TNativeKind;

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The program's icon among its resources (cmake/WindowsResources.cmake).
constexpr WORD kProgramIcon = 1;

// The program's icon, `pixels` square. LR_SHARED for the window class's icons, of the
// system's own sizes, which Windows keeps as long as the program runs; without it for the
// title bar's at the window's DPI, which the renderer destroys.
HICON ProgramIcon(int pixels, UINT flags) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, pixels, pixels, flags));
}

void RegisterClasses(WNDPROC procedure) {
    WNDCLASSEXA form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = procedure;
    form.hInstance = GetModuleHandleA(nullptr);
    form.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON), LR_SHARED);
    form.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON), LR_SHARED);
    form.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    form.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    form.lpszClassName = kFormClass;
    RegisterClassExA(&form);

    WNDCLASSEXA page = form;
    page.hbrBackground = nullptr;  // painted with the page colour
    page.lpszClassName = kPageClass;
    page.hIcon = nullptr;
    page.hIconSm = nullptr;
    RegisterClassExA(&page);
}

bool SameRadioGroup(const TNativeControl* a, const TNativeControl& b) {
    if (a == nullptr || a->Kind != TNativeKind::RadioButton || b.Kind != TNativeKind::RadioButton) return false;
    const auto& peers = static_cast<const TRadioButton*>(b.Model)->Peers();
    return std::find(peers.begin(), peers.end(), a->Model) != peers.end();
}

// The dialog manager's arrow keys move within a group, from a control with WS_GROUP to
// the next one with it: each radio group starts with WS_GROUP, and so does the control
// that follows it, which ends the group. `order` is the creation order, which is the
// order of the windows among their siblings.
void MarkRadioGroups(std::vector<TNativeControl>& controls, const std::vector<std::size_t>& order) {
    std::map<HWND, const TNativeControl*> previous;  // the last control made in each parent
    for (std::size_t i : order) {
        const TNativeControl& c = controls[i];
        const TNativeControl*& before = previous[GetParent(c.Handle)];
        const bool radioBefore = before != nullptr && before->Kind == TNativeKind::RadioButton;
        if ((c.Kind == TNativeKind::RadioButton || radioBefore) && !SameRadioGroup(before, c))
            SetWindowLongPtrA(c.Handle, GWL_STYLE, GetWindowLongPtrA(c.Handle, GWL_STYLE) | WS_GROUP);
        before = &c;
    }
}

// The size of the main window whose client area is the 96-DPI size given, at `dpi`.
SIZE FrameSize(int clientWidth, int clientHeight, int dpi) {
    const RECT frame = ui::win32::FrameAroundClient(
        RECT{0, 0, ScaledToDpi(clientWidth, dpi), ScaledToDpi(clientHeight, dpi)}, kFormStyle, kFormExStyle, dpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

TFormRenderer::TFormRenderer(app::TMajorForm& form, TModalOwner& owner) : form_(form), owner_(owner) {
    // The focus is remembered before a modal window opens: disabling the main window under
    // it takes the focus away before the main window hears of its deactivation.
    owner_.SyncControls = [this] {
        RememberFocus();
        Sync();
    };
}

TFormRenderer::~TFormRenderer() {
    if (keys_) DestroyAcceleratorTable(keys_);
    owner_.SyncControls = nullptr;
    owner_.Window = nullptr;
    if (window_ && !destroyed_) DestroyWindow(window_);
    if (picture_) DeleteObject(picture_);
    for (HICON icon : icons_)
        if (icon) DestroyIcon(icon);
    if (pageBrush_) DeleteObject(pageBrush_);
}

void TFormRenderer::Create() {
    RegisterClasses(&TFormRenderer::WindowProc);
    // A themed tab set draws its pages white; the classic one in the face colour.
    pageColour_ = GetSysColor(IsAppThemed() ? COLOR_WINDOW : COLOR_BTNFACE);
    pageBrush_ = CreateSolidBrush(pageColour_);

    // Made in the primary monitor's work area, whose DPI it takes; sized and centred
    // there once that DPI is known.
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    window_ = CreateWindowExA(kFormExStyle, kFormClass, form_.Caption.c_str(), kFormStyle, area.left, area.top, 0, 0,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (window_ == nullptr) throw std::runtime_error("the main window cannot be made");
    owner_.Window = window_;
    dpi_ = ui::win32::DpiOfWindow(window_);
    ui::win32::AcceptDroppedFiles(window_);
    AddSystemMenuItems(window_);
    keys_ = CreateSystemMenuKeys();
    caption_ = form_.Caption;
    clientWidth_ = form_.ClientWidth;
    clientHeight_ = form_.ClientHeight;

    const std::vector<TControl*> models = RenderedControls(form_);
    controls_.resize(models.size());
    for (std::size_t i = 0; i < models.size(); ++i) {
        controls_[i].Model = models[i];
        controls_[i].Kind = NativeKindOf(*models[i]);
        index_[models[i]] = i;
    }
    const std::vector<std::size_t> order = CreationOrder(models);
    for (std::size_t i : order) {
        HWND parent = window_;
        const POINT origin = NativeOrigin(*models[i], parent);
        controls_[i].Create(parent, origin, ControlId(i), this);
    }
    MarkRadioGroups(controls_, order);
    for (TNativeControl& c : controls_) {
        NameForScreenReaders(c);
        if (c.Kind == TNativeKind::GroupBox)  // frames lie below what stands in them
            SetWindowPos(c.Handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (c.Kind == TNativeKind::Memo)  // the log lies over the picture
            SetWindowPos(c.Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        // A spin's box takes its Up and Down keys, which the spin turns into arrow clicks.
        if (c.Kind == TNativeKind::UpDown) {
            if (TStaticText* box = KeyBoxOf(*static_cast<TUpDown*>(c.Model)); box && index_.count(box))
                SendMessageA(c.Handle, UDM_SETBUDDY, reinterpret_cast<WPARAM>(controls_[index_[box]].Handle), 0);
        }
    }
    LayOut();
    ShowFocusRectangles(window_);
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, area.left + std::max<int>(0, (area.right - area.left - width) / 2),
                 area.top + std::max<int>(0, (area.bottom - area.top - height) / 2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Everything the window shows at its DPI: the fonts, the picture and the icons made for
// it, every control placed at it, and the window sized to the scaled client area.
void TFormRenderer::LayOut() {
    auto fonts = std::make_unique<TFonts>(dpi_);
    HBITMAP picture = DrawProductPicture(form_.MainImage.Bounds.Width, form_.MainImage.Bounds.Height, dpi_);
    for (TNativeControl& c : controls_) c.Lay(dpi_, *fonts, picture);
    // The old fonts and picture go once no control draws with them.
    fonts_ = std::move(fonts);
    if (picture_) DeleteObject(picture_);
    picture_ = picture;

    // icons_ is indexed by the icon kinds, ICON_SMALL and ICON_BIG.
    for (const auto& [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
        HICON icon = ProgramIcon(ui::win32::SystemMetricForDpi(metric, dpi_), 0);
        SendMessageA(window_, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
        if (icons_[kind]) DestroyIcon(icons_[kind]);
        icons_[kind] = icon;
    }

    FitClientArea();
    // Each tab set's region is cut from the present sizes of its pages.
    LeaveTabSetAreasToPages();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Sizes the window so that its client area is the model's at the window's DPI. The frame
// is first the one of that DPI, then what the window really has around its client area:
// the client area comes out right whatever frame the system draws. A minimised window has
// no client area to measure; it is sized when a later change comes.
void TFormRenderer::FitClientArea() {
    const SIZE size = FrameSize(clientWidth_, clientHeight_, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (IsIconic(window_)) return;
    RECT client{};
    RECT frame{};
    GetClientRect(window_, &client);
    GetWindowRect(window_, &frame);
    const int moreWidth = ScaledToDpi(clientWidth_, dpi_) - client.right;
    const int moreHeight = ScaledToDpi(clientHeight_, dpi_) - client.bottom;
    if (moreWidth != 0 || moreHeight != 0)
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + moreWidth,
                     frame.bottom - frame.top + moreHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The box a spin's arrow keys work in: its associate, or for the voltage spin the box that
// shows its volts.
TStaticText* TFormRenderer::KeyBoxOf(TUpDown& spin) {
    if (TStaticText* box = spin.AssociatedBox()) return box;
    for (const editor::TSpinSetting& row : editor::SpinSettings())
        if (&(form_.*row.UpDown) == &spin) return &(form_.*row.Box);
    return nullptr;
}

// A control that shows no caption of its own gets the name a sighted user reads beside it;
// a tab set's follows its page on show.
void TFormRenderer::NameForScreenReaders(TNativeControl& control) {
    const std::string name = AccessibleName(form_, *control.Model);
    if (!name.empty()) ui::win32::SetAccessibleName(control.Handle, ui::win32::ShownText(name));
}

void TFormRenderer::LeaveTabSetAreasToPages() {
    for (const TNativeControl& c : controls_) {
        if (c.Kind != TNativeKind::TabSet) continue;
        std::vector<HWND> pages;
        for (const TTabSheet* page : static_cast<const TPageControl*>(c.Model)->Pages())
            pages.push_back(controls_[index_.at(page)].Handle);
        ui::win32::LeaveAreaToPages(c.Handle, pages);
    }
}

// Group frames and tab sets are drawn beside what stands in them, so a control inside a
// frame, or a page of a tab set, is placed in the frame's or tab set's own parent, moved by
// its place.
POINT TFormRenderer::NativeOrigin(const TControl& control, HWND& parent) const {
    POINT origin{control.Bounds.Left, control.Bounds.Top};
    for (const TControl* p = control.Parent; p; p = p->Parent) {
        if (!PassesChildrenOn(*p)) {
            parent = controls_[index_.at(p)].Handle;
            return origin;
        }
        origin.x += p->Bounds.Left;
        origin.y += p->Bounds.Top;
    }
    parent = window_;
    return origin;
}

void TFormRenderer::Show() {
    Sync();
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    shown_ = true;
    form_.FormShow();
    Sync();
}

// A native window shows and works when its own model control does and every frame or tab
// set it stands in does; a tab page only while it is its tab set's active page. The native
// parent windows see to the rest.
bool TFormRenderer::Shown(const TControl& control) const {
    // A label with no text shows nothing, and a screen reader would find an empty text.
    if (const auto* label = dynamic_cast<const TLabel*>(&control); label && label->Caption.empty()) return false;
    for (const TControl* c = &control; c; c = c->Parent) {
        if (!c->Visible) return false;
        if (c != &control && !PassesChildrenOn(*c)) break;
    }
    const auto* page = dynamic_cast<const TTabSheet*>(&control);
    const auto* tabs = page ? dynamic_cast<const TPageControl*>(page->Parent) : nullptr;
    return tabs == nullptr || tabs->ActivePage() == page;
}

bool TFormRenderer::Enabled(const TControl& control) const {
    for (const TControl* c = &control; c; c = c->Parent) {
        if (!c->Enabled) return false;
        if (c != &control && !PassesChildrenOn(*c)) break;
    }
    return true;
}

void TFormRenderer::Sync() {
    if (window_ == nullptr || destroyed_) return;
    const HWND focused = GetFocus();
    for (TNativeControl& c : controls_) {
        c.Sync(Shown(*c.Model), Enabled(*c.Model));
        if (c.Kind == TNativeKind::TabSet) NameForScreenReaders(c);
    }
    SyncUndoItems();
    SyncTimer();
    SyncWindow();
    if (!destroyed_) KeepFocus(focused);
}

void TFormRenderer::RememberFocus() {
    if (HWND focused = GetFocus(); window_ != nullptr && IsChild(window_, focused)) lastFocus_ = focused;
}

// A control on show and enabled; not a page, to which Windows may hand the focus of a
// control it hides.
bool TFormRenderer::TakesFocus(HWND window) {
    const TNativeControl* c = NativeOf(window);
    return c != nullptr && c->Kind != TNativeKind::Page && IsWindowVisible(window) && IsWindowEnabled(window);
}

// The control whose window is `window` or holds it, or nullptr.
const TNativeControl* TFormRenderer::NativeOf(HWND window) {
    for (HWND w = window; w != nullptr && w != window_; w = GetParent(w))
        if (const TNativeControl* c = Native(static_cast<WPARAM>(GetDlgCtrlID(w))); c && c->Handle == w) return c;
    return nullptr;
}

// The focus stays on a control that can take it. One hidden or disabled under it (a page
// switched away, a setting locked) hands it to the nearest tab set on show that it stood
// in, else to the first control of the Tab order. A modal window over the main window
// has the focus meanwhile; the main window's activation brings it back.
void TFormRenderer::KeepFocus(HWND before) {
    if (GetActiveWindow() != window_ || TakesFocus(GetFocus())) return;
    HWND next = nullptr;
    const TNativeControl* was = NativeOf(before);
    for (TPageControl* tabs = was ? ui::TabSetHolding(*was->Model) : nullptr; tabs && !next;
         tabs = tabs->Parent ? ui::TabSetHolding(*tabs->Parent) : nullptr) {
        if (HWND handle = controls_[index_.at(tabs)].Handle; TakesFocus(handle)) next = handle;
    }
    if (next == nullptr) {
        // Searched from the last window, the Tab order starts again at its first control.
        const HWND last = GetWindow(GetWindow(window_, GW_CHILD), GW_HWNDLAST);
        next = last ? GetNextDlgTabItem(window_, last, FALSE) : nullptr;
    }
    if (TakesFocus(next)) SetFocus(next);
}

// Ctrl+Tab and its kin: a page switch like a click on the tab, with the same handlers.
bool TFormRenderer::SwitchPageByKey(const MSG& message) {
    const std::optional<int> step = PageStepOf(message);
    if (!step || window_ == nullptr || destroyed_ || !IsChild(window_, message.hwnd)) return false;
    const TNativeControl* focused = NativeOf(message.hwnd);
    TPageControl* tabs = focused ? ui::TabSetHolding(*focused->Model) : nullptr;
    if (tabs == nullptr) return false;
    if (TTabSheet* page = tabs->PageAfterActive(*step)) tabs->UserSwitch(*page);
    Sync();
    return true;
}

void TFormRenderer::SyncUndoItems() {
    const std::pair<bool, bool> can{form_.History.CanUndo(), form_.History.CanRedo()};
    if (undoItems_ == can) return;
    EnableUndoItems(window_, can.first, can.second);
    undoItems_ = can;
}

bool TFormRenderer::TranslateKeys(MSG& message) {
    return window_ != nullptr && !destroyed_ && keys_ != nullptr && TranslateAcceleratorW(window_, keys_, &message);
}

void TFormRenderer::SystemCommand(TSystemCommand command) {
    switch (command) {
    case TSystemCommand::Undo: form_.UndoMenuItemClick(); break;
    case TSystemCommand::Redo: form_.RedoMenuItemClick(); break;
    case TSystemCommand::SelectTransport: form_.SelectTransportMenuItemClick(transportPicker_); break;
    case TSystemCommand::CompareWithFile: form_.CompareWithFileMenuItemClick(comparer_); break;
    case TSystemCommand::SaveConfigurationSheet: form_.SaveConfigurationSheetMenuItemClick(); break;
    }
    Sync();
}

void TFormRenderer::SyncTimer() {
    const bool armed = shown_ && form_.Timer1.Enabled();
    if (armed == timerArmed_) return;
    if (armed)
        SetTimer(window_, kTimer1, form_.Timer1.Interval, nullptr);
    else
        KillTimer(window_, kTimer1);
    timerArmed_ = armed;
}

void TFormRenderer::SyncWindow() {
    if (form_.Caption != caption_) {
        SetWindowTextA(window_, form_.Caption.c_str());
        caption_ = form_.Caption;
    }
    if (form_.ClientWidth != clientWidth_ || form_.ClientHeight != clientHeight_) {
        clientWidth_ = form_.ClientWidth;
        clientHeight_ = form_.ClientHeight;
        FitClientArea();
    }
    if (form_.Closed) {
        destroyed_ = true;
        DestroyWindow(window_);
    }
}

TNativeControl* TFormRenderer::Native(WPARAM id) {
    const auto at = static_cast<std::size_t>(LOWORD(id)) - static_cast<std::size_t>(kFirstControlId);
    return LOWORD(id) >= kFirstControlId && at < controls_.size() ? &controls_[at] : nullptr;
}

bool TFormRenderer::Command(WPARAM wParam) {
    TNativeControl* c = Native(wParam);
    if (c == nullptr) return false;
    const WORD code = HIWORD(wParam);
    switch (c->Kind) {
    case TNativeKind::Button:
        if (code != BN_CLICKED) return false;
        static_cast<TButton*>(c->Model)->UserClick();
        break;
    case TNativeKind::CheckBox:
        if (code != BN_CLICKED) return false;
        form_.UserEdit(*c->Model, [c] { static_cast<TCheckBox*>(c->Model)->UserClick(); });
        break;
    case TNativeKind::RadioButton:
        if (code != BN_CLICKED) return false;
        form_.UserEdit(*c->Model, [c] { static_cast<TRadioButton*>(c->Model)->UserClick(); });
        break;
    case TNativeKind::ComboBox: {
        if (code != CBN_SELCHANGE) return false;
        const auto chosen = static_cast<int>(SendMessageA(c->Handle, CB_GETCURSEL, 0, 0));
        form_.UserEdit(*c->Model, [c, chosen] { static_cast<TComboBox*>(c->Model)->UserSelect(chosen); });
        break;
    }
    case TNativeKind::Picture:
        if (code != STN_CLICKED) return false;
        static_cast<TImage*>(c->Model)->UserClick();
        break;
    default: return false;
    }
    Sync();
    return true;
}

bool TFormRenderer::Notify(const NMHDR& header, LRESULT& result) {
    TNativeControl* c = Native(header.idFrom);
    if (c == nullptr) return false;
    if (c->Kind == TNativeKind::TabSet && header.code == TCN_SELCHANGE) {
        auto& tabs = *static_cast<TPageControl*>(c->Model);
        const auto chosen = static_cast<std::size_t>(SendMessageA(c->Handle, TCM_GETCURSEL, 0, 0));
        if (chosen < tabs.Pages().size()) tabs.UserSwitch(*tabs.Pages()[chosen]);
    } else if (c->Kind == TNativeKind::UpDown && header.code == UDN_DELTAPOS) {
        const bool up = reinterpret_cast<const NMUPDOWN&>(header).iDelta > 0;
        form_.UserEdit(*c->Model, [c, up] { static_cast<TUpDown*>(c->Model)->UserClick(up); });
        result = TRUE;  // the native control keeps no position of its own
    } else {
        return false;
    }
    Sync();
    return true;
}

LRESULT TFormRenderer::ControlColour(HWND window, HDC dc, HWND control) {
    const TNativeControl* c = Native(static_cast<WPARAM>(GetDlgCtrlID(control)));
    if (c && (c->Kind == TNativeKind::ValueBox || c->Kind == TNativeKind::Memo)) {
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    if (window == window_) {
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    SetBkColor(dc, pageColour_);
    return reinterpret_cast<LRESULT>(pageBrush_);
}

LRESULT CALLBACK TFormRenderer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TFormRenderer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return self->Handle(window, message, wParam, lParam);
    } catch (...) {
        // Carried out of the message loop, which ends; the program shows it and stops.
        self->pending_ = std::current_exception();
        PostQuitMessage(1);
        return 0;
    }
}

LRESULT TFormRenderer::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (Command(wParam)) return 0;
        // Windows sends the system menu's keys as WM_SYSCOMMAND; others may send them as
        // the accelerator's WM_COMMAND.
        if (window == window_ && HIWORD(wParam) == 1) {
            if (const std::optional<TSystemCommand> command = SystemCommandOf(LOWORD(wParam))) {
                SystemCommand(*command);
                return 0;
            }
        }
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (Notify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return ControlColour(window, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
        if (window == window_) break;
        {
            RECT area{};
            GetClientRect(window, &area);
            FillRect(reinterpret_cast<HDC>(wParam), &area, pageBrush_);
        }
        return 1;
    case WM_GETDPISCALEDSIZE:
        // The window's size at the new DPI is its scaled client area in the frame of that
        // DPI, not its present size stretched.
        if (window != window_) break;
        *reinterpret_cast<SIZE*>(lParam) = FrameSize(clientWidth_, clientHeight_, LOWORD(wParam));
        return TRUE;
    case WM_DPICHANGED:
        // Moved to a monitor of another scaling, or the scaling changed: the place Windows
        // suggests, and the window laid out again at the new DPI.
        if (window != window_) break;
        {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            dpi_ = LOWORD(wParam);
            LayOut();
        }
        return 0;
    case WM_ACTIVATE:
        if (window != window_) break;
        // Another window took the focus; it comes back to the control that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
        } else if (HIWORD(wParam) == 0) {
            if (TakesFocus(lastFocus_))
                SetFocus(lastFocus_);
            else
                KeepFocus(lastFocus_);
        }
        return 0;
    case WM_CHANGEUISTATE:
        if (window != window_) break;
        if (const std::optional<WPARAM> change = UiStateChangeKeepingFocusShown(wParam))
            return DefWindowProcA(window, message, *change, lParam);
        return 0;
    case WM_TIMER:
        if (window != window_ || wParam != kTimer1) break;
        form_.Timer1.Fire();
        Sync();
        return 0;
    case WM_SYSCOMMAND:
        if (window != window_) break;
        if (const std::optional<TSystemCommand> command = SystemCommandOf(wParam)) {
            SystemCommand(*command);
            return 0;
        }
        break;
    case WM_DROPFILES:
        form_.FormDropFiles(ui::win32::DroppedFiles(reinterpret_cast<HDROP>(wParam)));
        Sync();
        return 0;
    case WM_CLOSE:
        if (window != window_) break;
        form_.Close();
        Sync();
        return 0;
    case WM_DESTROY:
        if (window == window_) PostQuitMessage(0);
        break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void TFormRenderer::RethrowPending() {
    if (pending_) std::rethrow_exception(std::exchange(pending_, nullptr));
}

}  // namespace app::win32
