#pragma once
// The transport picker TSelectTransportForm: the transports as the library lists them
// now, the current one selected. OK makes the chosen one current; Cancel, Escape and
// closing the window choose nothing.

#include <optional>
#include <string>

#include "link/Transports.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"

namespace app {

class TSelectTransportForm {
public:
    // Lists the port names of `listed` with the entry of `current`'s chosen transport
    // selected, or entry 0 when that one is no longer listed.
    TSelectTransportForm(const devlink::TTransportTable& listed, const devlink::TTransportTable& current);
    TSelectTransportForm(const TSelectTransportForm&) = delete;
    TSelectTransportForm& operator=(const TSelectTransportForm&) = delete;

    void OKButtonClick();
    void CancelButtonClick();

    // Whether a button has closed the picker.
    bool Closed() const { return closed_; }
    // The entry OK chose; empty until then, and after Cancel.
    const std::optional<int>& Chosen() const { return chosen_; }
    const devlink::TTransportTable& Listed() const { return listed_; }

    std::string Caption = "Select Transport";
    ui::TComboBox TransportComboBox{"TransportComboBox"};
    ui::TButton OKButton{"OKButton"};
    ui::TButton CancelButton{"CancelButton"};

private:
    const devlink::TTransportTable listed_;
    std::optional<int> chosen_;
    bool closed_ = false;
};

// Shows the picker modally until a button closes it; the window's close button and
// Escape are its Cancel.
class ISelectTransportWindow {
public:
    virtual ~ISelectTransportWindow() = default;
    virtual void ShowModal(TSelectTransportForm& form) = 0;
};

}  // namespace app
