#pragma once
// What every modal window of the program needs from the main window: its handle, to own
// the modal window, and a way to bring the native controls in line with the control model
// before the modal window takes over the message loop.

#include <windows.h>

#include <functional>

namespace ui::win32 {

struct TModalOwner {
    HWND Window = nullptr;
    std::function<void()> SyncControls;

    void BeforeModal() const {
        if (SyncControls) SyncControls();
    }
};

}  // namespace ui::win32
