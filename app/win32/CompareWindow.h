#pragma once
// The compare dialog on Windows: a modal dialog owned by the main window with the line
// that says what differs, the differences as a report-style list (page, setting, now, in
// the file), "Load This File" and "Close". Its layout is given at 96 DPI and scaled to the
// DPI of the monitor it is on; it is sizable, and the list takes what the dialog grows by.
// Tab moves between the list and the buttons, the arrows move in the list, Enter is "Load
// This File", Escape and the title bar's close button are "Close". Every control is named
// for a screen reader: the list after the line above it, its row of headings after what
// they say ("Page, Setting, Now, In the file"). Afterwards the focus is back on the main
// window's control that had it.

#include "app/CompareForm.h"
#include "ui/win32/ModalOwner.h"

namespace app::win32 {

class TCompareWindow : public app::ICompareWindow {
public:
    explicit TCompareWindow(const ui::win32::TModalOwner& owner) : owner_(owner) {}
    void ShowModal(app::TCompareForm& form) override;

private:
    const ui::win32::TModalOwner& owner_;
};

}  // namespace app::win32
