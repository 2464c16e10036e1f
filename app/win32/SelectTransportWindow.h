#pragma once
// The transport picker on Windows: a modal dialog owned by the main window with the list
// of transports, OK and Cancel, laid out at 96 DPI and scaled to the DPI of the monitor it
// is on. Tab moves between the three, Enter is OK, Escape and the title bar's close button
// are Cancel. Afterwards the focus is back on the main window's control that had it.

#include "app/SelectTransportForm.h"
#include "ui/win32/ModalOwner.h"

namespace app::win32 {

class TSelectTransportWindow : public app::ISelectTransportWindow {
public:
    explicit TSelectTransportWindow(const ui::win32::TModalOwner& owner) : owner_(owner) {}
    void ShowModal(app::TSelectTransportForm& form) override;

private:
    const ui::win32::TModalOwner& owner_;
};

}  // namespace app::win32
