#include "app/SelectTransportForm.h"

namespace app {
namespace {

int EntryOf(const devlink::TTransportTable& listed, const devlink::TTransportTable& current) {
    for (int i = 0; i < listed.Count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (listed.PortNames[at] == current.ChosenPortName() &&
            listed.TransportStrings[at] == current.ChosenTransport())
            return i;
    }
    return 0;
}

}  // namespace

TSelectTransportForm::TSelectTransportForm(const devlink::TTransportTable& listed,
                                           const devlink::TTransportTable& current)
    : listed_(listed) {
    OKButton.Caption = "OK";
    CancelButton.Caption = "Cancel";
    for (int i = 0; i < listed_.Count; ++i) TransportComboBox.Add(listed_.PortNames[static_cast<std::size_t>(i)]);
    TransportComboBox.SetItemIndex(EntryOf(listed_, current));
    OKButton.OnClick = [this] { OKButtonClick(); };
    CancelButton.OnClick = [this] { CancelButtonClick(); };
}

void TSelectTransportForm::OKButtonClick() {
    if (TransportComboBox.ItemIndex() >= 0) chosen_ = TransportComboBox.ItemIndex();
    closed_ = true;
}

void TSelectTransportForm::CancelButtonClick() {
    chosen_.reset();
    closed_ = true;
}

}  // namespace app
