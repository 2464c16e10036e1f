#pragma once
// Draws the main window with real Windows controls. It makes one native window for every
// control of the model, hands each user action to the model's User* method, and after
// every action (and before every modal window) brings all native windows in line with the
// model. Every rule lives in the model. The model's places and sizes are those of a
// 96-DPI screen; the window scales them, its fonts and its picture to the DPI of the
// monitor it is on.

#include <windows.h>

#include <exception>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/MajorForm.h"
#include "app/win32/CompareWindow.h"
#include "app/win32/SelectTransportWindow.h"
#include "app/win32/SystemMenu.h"
#include "ui/win32/ModalOwner.h"
#include "ui/win32/NativeControl.h"

namespace app::win32 {

class TFormRenderer {
public:
    // Makes `owner` point at the main window and sync through this renderer.
    TFormRenderer(app::TMajorForm& form, ui::win32::TModalOwner& owner);
    ~TFormRenderer();
    TFormRenderer(const TFormRenderer&) = delete;
    TFormRenderer& operator=(const TFormRenderer&) = delete;

    // Makes the window and every control, all hidden.
    void Create();
    // Shows the window; from then on the timer runs.
    void Show();
    // Brings every native window in line with the model.
    void Sync();

    HWND Handle() const { return window_; }
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp: switches the page of the tab set
    // that holds the focus and returns true; false for every other message, which the
    // message loop goes on with.
    bool SwitchPageByKey(const MSG& message);
    // The system menu's keys (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z): sent to the window as its
    // commands, and true; false for every other message.
    bool TranslateKeys(MSG& message);
    // An exception that a handler let escape ends the message loop; this throws it again.
    void RethrowPending();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Command(WPARAM wParam);
    bool Notify(const NMHDR& header, LRESULT& result);
    LRESULT ControlColour(HWND window, HDC dc, HWND control);
    void LayOut();
    void FitClientArea();
    void SyncWindow();
    void SyncTimer();
    void SyncUndoItems();
    void SystemCommand(TSystemCommand command);
    void NameForScreenReaders(ui::win32::TNativeControl& control);
    POINT NativeOrigin(const ui::TControl& control, HWND& parent) const;
    ui::TStaticText* KeyBoxOf(ui::TUpDown& spin);
    void LeaveTabSetAreasToPages();
    void RememberFocus();
    bool TakesFocus(HWND window);
    void KeepFocus(HWND before);
    const ui::win32::TNativeControl* NativeOf(HWND window);
    ui::win32::TNativeControl* Native(WPARAM id);
    bool Shown(const ui::TControl& control) const;
    bool Enabled(const ui::TControl& control) const;

    app::TMajorForm& form_;
    ui::win32::TModalOwner& owner_;
    TSelectTransportWindow transportPicker_{owner_};
    TCompareWindow comparer_{owner_};
    HWND window_ = nullptr;
    int dpi_ = 96;  // the DPI the window is laid out for, once it is made
    std::unique_ptr<ui::win32::TFonts> fonts_;
    HBITMAP picture_ = nullptr;
    // The window's title-bar icons at its DPI, by icon kind (ICON_SMALL, ICON_BIG).
    HICON icons_[2] = {nullptr, nullptr};
    HBRUSH pageBrush_ = nullptr;
    COLORREF pageColour_ = 0;
    std::vector<ui::win32::TNativeControl> controls_;
    std::unordered_map<const ui::TControl*, std::size_t> index_;
    bool shown_ = false;
    bool timerArmed_ = false;
    bool destroyed_ = false;
    HACCEL keys_ = nullptr;
    std::pair<bool, bool> undoItems_{false, false};  // as "Undo" and "Redo" were last enabled
    HWND lastFocus_ = nullptr;                       // the control that had the focus when another window took it
    std::string caption_;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::exception_ptr pending_;
};

}  // namespace app::win32
