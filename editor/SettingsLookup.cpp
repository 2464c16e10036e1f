#include "editor/SettingsLookup.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace editor {
namespace {

// The controls the rows name, one list per kind; member pointers only compare equal.
template <typename TControl>
class TNamed {
public:
    explicit TNamed(const char* kind) : kind_(kind) {}
    void Add(TControl E::*control, const std::string& row) {
        if (control == nullptr) throw std::logic_error("the settings row \"" + row + "\" has no " + kind_);
        for (auto seen : seen_)
            if (seen == control)
                throw std::logic_error("a " + std::string(kind_) + " of \"" + row + "\" is described twice");
        seen_.push_back(control);
    }

private:
    const char* kind_;
    std::vector<TControl E::*> seen_;
};

}  // namespace

const TTickSetting& TickSettingOf(ui::TCheckBox E::*box) {
    for (const TTickSetting& tick : TickSettings())
        if (tick.Box == box) return tick;
    throw std::logic_error("no settings row describes this tick box");
}

const TSpinSetting& SpinSettingOf(ui::TUpDown E::*upDown) {
    for (const TSpinSetting& spin : SpinSettings())
        if (spin.UpDown == upDown) return spin;
    throw std::logic_error("no settings row describes this spin");
}

void CheckSettingDescriptions() {
    TNamed<ui::TCheckBox> ticks("tick box");
    TNamed<ui::TUpDown> spins("spin");
    TNamed<ui::TComboBox> lists("list");
    TNamed<ui::TStaticText> boxes("text box");
    TNamed<ui::TLabel> labels("label");
    for (const TTickSetting& tick : TickSettings()) ticks.Add(tick.Box, tick.Caption);
    for (const TSpinSetting& spin : SpinSettings()) {
        spins.Add(spin.UpDown, spin.Caption);
        boxes.Add(spin.Box, spin.Caption);
        labels.Add(spin.Label, spin.Caption);
    }
    for (const TListSetting& list : ListSettings()) {
        lists.Add(list.List, list.Caption);
        labels.Add(list.Label, list.Caption);
    }
    for (const TButtonRow& row : ButtonRows())
        for (auto cell : {row.PressAndHold, row.ShortPress, row.LongPress}) lists.Add(cell, row.Caption);
    for (const TGatewayLine& line : GatewayLines()) {
        for (auto list : {line.IO, line.Active, line.Function}) lists.Add(list, line.Caption);
        spins.Add(line.Pulse, line.Caption);
        boxes.Add(line.PulseBox, line.Caption);
    }
    // The edition tables only refer to controls that the rows above describe.
    for (const TEditionTick& tick : EditionTicks()) TickSettingOf(tick.Box);
    for (const TEditionTiming& timing : EditionTimings())
        if (timing.Box == nullptr || timing.Label == nullptr)
            throw std::logic_error(std::string("the Kesto timing \"") + timing.KestoText + "\" has no control");
}

}  // namespace editor
