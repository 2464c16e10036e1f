#include "app/win32/FormRenderer.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <utility>

#include "app/win32/ControlIds.h"
#include "app/win32/ProductPicture.h"
#include "ui/Buttons.h"
#include "ui/Pages.h"
#include "ui/Text.h"
#include "ui/UpDown.h"
#include "ui/win32/ShellFiles.h"

namespace app::win32 {

using ui::TButton;
using ui::TCheckBox;
using ui::TComboBox;
using ui::TControl;
using ui::TImage;
using ui::TPageControl;
using ui::TRadioButton;
using ui::TStaticText;
using ui::TTabSheet;
using ui::TUpDown;
using ui::win32::kPageClass;
using ui::win32::NativeKindOf;
using ui::win32::TModalOwner;
using ui::win32::TNativeControl;
using ui::win32::TNativeKind;

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The program's icon among its resources (cmake/WindowsResources.cmake).
constexpr WORD kProgramIcon = 1;

// The program's icon at the size of the system metric `size`. Shared: Windows keeps it as
// long as the program runs, and nobody destroys it.
HICON ProgramIcon(int size) {
    const int pixels = GetSystemMetrics(size);
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, pixels, pixels, LR_SHARED));
}

void RegisterClasses(WNDPROC procedure) {
    WNDCLASSEXA form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = procedure;
    form.hInstance = GetModuleHandleA(nullptr);
    form.hIcon = ProgramIcon(SM_CXICON);
    form.hIconSm = ProgramIcon(SM_CXSMICON);
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

// Where a control's window goes: how many native windows lie above it, and its place in
// the nearest one (frames are no windows of their own for what stands in them).
struct TNativePlace {
    int Depth = 0;
    int Top = 0;
    int Left = 0;
    auto operator<=>(const TNativePlace&) const = default;
};

TNativePlace NativePlaceOf(const TControl& control) {
    TNativePlace place{0, control.Bounds.Top, control.Bounds.Left};
    bool inFrame = true;
    for (const TControl* p = control.Parent; p; p = p->Parent) {
        inFrame = inFrame && NativeKindOf(*p) == TNativeKind::GroupBox;
        if (inFrame) {
            place.Top += p->Bounds.Top;
            place.Left += p->Bounds.Left;
        } else {
            ++place.Depth;
        }
    }
    return place;
}

// The model's controls in the order their windows are made: parents before their
// children, and within one parent top to bottom, left to right, which is the Tab order.
std::vector<std::size_t> CreationOrder(const std::vector<TControl*>& controls) {
    std::vector<TNativePlace> places;
    for (const TControl* c : controls) places.push_back(NativePlaceOf(*c));
    std::vector<std::size_t> order(controls.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return places[a] < places[b]; });
    return order;
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

RECT FrameFor(int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, kFormStyle, FALSE, kFormExStyle);
    return frame;
}

}  // namespace

TFormRenderer::TFormRenderer(app::TMajorForm& form, TModalOwner& owner) : form_(form), owner_(owner) {
    owner_.SyncControls = [this] { Sync(); };
}

TFormRenderer::~TFormRenderer() {
    owner_.SyncControls = nullptr;
    owner_.Window = nullptr;
    if (window_ && !destroyed_) DestroyWindow(window_);
    if (picture_) DeleteObject(picture_);
    if (pageBrush_) DeleteObject(pageBrush_);
}

void TFormRenderer::Create() {
    RegisterClasses(&TFormRenderer::WindowProc);
    // A themed tab set draws its pages white; the classic one in the face colour.
    pageColour_ = GetSysColor(IsAppThemed() ? COLOR_WINDOW : COLOR_BTNFACE);
    pageBrush_ = CreateSolidBrush(pageColour_);
    picture_ = DrawProductPicture(form_.MainImage.Bounds.Width, form_.MainImage.Bounds.Height);

    const RECT frame = FrameFor(form_.ClientWidth, form_.ClientHeight);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    window_ = CreateWindowExA(kFormExStyle, kFormClass, form_.Caption.c_str(), kFormStyle,
                              area.left + std::max<int>(0, (area.right - area.left - width) / 2),
                              area.top + std::max<int>(0, (area.bottom - area.top - height) / 2), width, height,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (window_ == nullptr) throw std::runtime_error("the main window cannot be made");
    owner_.Window = window_;
    ui::win32::AcceptDroppedFiles(window_);
    // A window with a modal dialog frame shows no class icon in its title bar: it is given
    // the icon itself as well.
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXICON)));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(SM_CXSMICON)));
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
        controls_[i].Create(parent, origin, ControlId(i), fonts_, picture_, this);
    }
    MarkRadioGroups(controls_, order);
    for (TNativeControl& c : controls_) {
        if (c.Kind == TNativeKind::GroupBox)  // frames lie below what stands in them
            SetWindowPos(c.Handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (c.Kind == TNativeKind::Memo)  // the log lies over the picture
            SetWindowPos(c.Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (c.Kind == TNativeKind::UpDown) {
            if (TStaticText* box = static_cast<TUpDown*>(c.Model)->AssociatedBox(); box && index_.count(box))
                SendMessageA(c.Handle, UDM_SETBUDDY, reinterpret_cast<WPARAM>(controls_[index_[box]].Handle), 0);
        }
    }
}

// Group frames are drawn beside what stands in them, so a control inside a frame is placed
// in the frame's own parent, moved by the frame's place.
POINT TFormRenderer::NativeOrigin(const TControl& control, HWND& parent) const {
    POINT origin{control.Bounds.Left, control.Bounds.Top};
    for (const TControl* p = control.Parent; p; p = p->Parent) {
        if (NativeKindOf(*p) != TNativeKind::GroupBox) {
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

// A native window shows and works when its own model control does and every frame it
// stands in does; a tab page only while it is its tab set's active page. The native
// parent windows see to the rest.
bool TFormRenderer::Shown(const TControl& control) const {
    for (const TControl* c = &control; c; c = c->Parent) {
        if (!c->Visible) return false;
        if (c != &control && NativeKindOf(*c) != TNativeKind::GroupBox) break;
    }
    const auto* page = dynamic_cast<const TTabSheet*>(&control);
    const auto* tabs = page ? dynamic_cast<const TPageControl*>(page->Parent) : nullptr;
    return tabs == nullptr || tabs->ActivePage() == page;
}

bool TFormRenderer::Enabled(const TControl& control) const {
    for (const TControl* c = &control; c; c = c->Parent) {
        if (!c->Enabled) return false;
        if (c != &control && NativeKindOf(*c) != TNativeKind::GroupBox) break;
    }
    return true;
}

void TFormRenderer::Sync() {
    if (window_ == nullptr || destroyed_) return;
    for (TNativeControl& c : controls_) c.Sync(Shown(*c.Model), Enabled(*c.Model));
    SyncTimer();
    SyncWindow();
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
        const RECT frame = FrameFor(form_.ClientWidth, form_.ClientHeight);
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        clientWidth_ = form_.ClientWidth;
        clientHeight_ = form_.ClientHeight;
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
        static_cast<TCheckBox*>(c->Model)->UserClick();
        break;
    case TNativeKind::RadioButton:
        if (code != BN_CLICKED) return false;
        static_cast<TRadioButton*>(c->Model)->UserClick();
        break;
    case TNativeKind::ComboBox:
        if (code != CBN_SELCHANGE) return false;
        static_cast<TComboBox*>(c->Model)->UserSelect(static_cast<int>(SendMessageA(c->Handle, CB_GETCURSEL, 0, 0)));
        break;
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
        const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
        static_cast<TUpDown*>(c->Model)->UserClick(change.iDelta > 0);
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
    case WM_TIMER:
        if (window != window_ || wParam != kTimer1) break;
        form_.Timer1.Fire();
        Sync();
        return 0;
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
