// Writing settings files, and a file written by this program restoring the window it was
// written from.

#include <gtest/gtest.h>

#include "FilesTestForm.h"
#include "editor/ListText.h"
#include "editor/SettingsTables.h"

namespace files_test {
namespace {

const fs::path kExpectedDefaults = fs::path(__FILE__).parent_path().parent_path() / "data" / "defaults.wpx";

class Writing : public FilesForm {};

TEST_F(Writing, AFileWrittenRightAfterStartUpHoldsTheDefaults) {
    const std::string expected = ReadBytes(kExpectedDefaults);
    ASSERT_FALSE(expected.empty()) << kExpectedDefaults;
    EXPECT_EQ(Saved(), expected);
}

TEST_F(Writing, ReservedKeysAreZeroWhateverTheWindowHolds) {
    Load("1008=5\r\n1015=5\r\n");
    form->GWRadioPTTPulseUpDown.SetPosition(300);
    const std::string text = Saved();
    for (const char* line : {"1008=0\r\n", "1015=0\r\n", "1014=300\r\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

// A window unlike the defaults in every setting the user can reach, through the user's
// own actions, with gateway lines of both directions and pulses of both ranges.
void Customise(app::TMajorForm& f) {
    f.butModelKesto.UserClick();
    for (const editor::TTickSetting& tick : editor::TickSettings()) (f.*tick.Box).UserClick();
    for (const editor::TSpinSetting& spin : editor::SpinSettings())
        (f.*spin.UpDown).SetPosition(spin.Default == spin.Max ? spin.Min : spin.Max);
    f.ShowLowBatteryVoltage();
    f.HirosePin2FunctionComboBox.UserSelect(1);
    const char* holds[] = {"Talk Around PTT", "Disabled", "Disabled", "Disabled", "Disabled", "Emergency", "Disabled"};
    for (std::size_t n = 0; n < editor::ButtonRows().size(); ++n) {
        const editor::TButtonRow& row = editor::ButtonRows()[n];
        editor::SelectItemContaining(f.*row.PressAndHold, holds[n]);
        for (auto cell : {row.ShortPress, row.LongPress}) (f.*cell).UserSelect((f.*cell).Count() - 1);
    }
    struct TLineChoice {
        int IO;  // -1 where the user cannot change it
        const char* Function;
        int Active, Pulse;
    };
    const TLineChoice choices[] = {
        {-1, nullptr, -1, -1},
        {0, "Find Me", 1, -1},
        {1, "Aux 2", 1, 1230},
        {1, "Handsfree active", 1, 2500},
        {1, "Aux 1", 1, 20000},
        {-1, "Talk around", 1, 40},
        {-1, "Emergency", 1, -1},
        {-1, "Aux 2", 0, 750},
        {-1, "Handset out of Range", 0, -1},
    };
    for (const editor::TGatewayLine& line : editor::GatewayLines()) {
        const TLineChoice& c = choices[line.Index];
        if (c.IO >= 0) (f.*line.IO).UserSelect(c.IO);
        if (c.Function != nullptr) {
            const auto& items = (f.*line.Function).Items();
            (f.*line.Function)
                .UserSelect(static_cast<int>(std::find(items.begin(), items.end(), c.Function) - items.begin()));
        }
        if (c.Active >= 0) (f.*line.Active).UserSelect(c.Active);
        if (c.Pulse >= 0) (f.*line.Pulse).SetPosition(c.Pulse);
    }
    f.RefreshDependentControls();
}

// Every key's setting moved off its value, the way a device read or code could leave it:
// directions reversed with their function lists rebuilt, short pulse ranges where the
// customised lines have long ones.
void ChangeEverything(app::TMajorForm& f) {
    (f.butModelArdex.Checked() ? f.butModelKesto : f.butModelArdex).UserClick();
    // Ticks first: their click rules would force the button grid back into line.
    for (const editor::TTickSetting& tick : editor::TickSettings()) (f.*tick.Box).SetChecked(!(f.*tick.Box).Checked());
    for (const files::TFileKey& key : files::FileKeys()) {
        if (key.Line >= 0) continue;
        ui::TControl* control = files::ControlOf(f, key);
        if (auto* list = dynamic_cast<ui::TComboBox*>(control))
            list->SetItemIndex((list->ItemIndex() + 1) % list->Count());
        if (auto* spin = dynamic_cast<ui::TUpDown*>(control))
            spin->SetPosition(spin->Position() == spin->Max() ? spin->Min() : spin->Max());
    }
    for (const editor::TGatewayLine& line : editor::GatewayLines()) {
        ui::TComboBox& function = f.*line.Function;
        const int before = function.ItemIndex();
        (f.*line.IO).SetItemIndex(1 - (f.*line.IO).ItemIndex());
        f.RebuildFunctionList(line);
        function.SetItemIndex(before == 1 ? 2 : 1);
        f.ApplyPulseRange(function);
        (f.*line.Active).SetItemIndex(1 - (f.*line.Active).ItemIndex());
        (f.*line.Pulse).SetPosition((f.*line.Pulse).Position() == 30 ? 40 : 30);
    }
    f.RememberGatewayIndices();
}

// What a gateway line is beyond the values of its keys.
struct TLineState {
    std::vector<std::string> Functions;
    int PulseMin, PulseMax, RememberedIO, RememberedFunction;
    bool operator==(const TLineState&) const = default;
};

std::vector<TLineState> LineStates(const app::TMajorForm& f) {
    std::vector<TLineState> states;
    for (const editor::TGatewayLine& line : editor::GatewayLines())
        states.push_back({(f.*line.Function).Items(), (f.*line.Pulse).Min(), (f.*line.Pulse).Max(),
                          f.RememberedIOIndex(line), f.RememberedFunctionIndex(line)});
    return states;
}

std::vector<std::pair<std::string, bool>> EnabledStates(app::TMajorForm& f) {
    std::vector<std::pair<std::string, bool>> states;
    for (const ui::TControl* c : f.AllControls()) states.emplace_back(c->Name, c->Enabled);
    return states;
}

class RoundTrip : public FilesForm {};

TEST_F(RoundTrip, ChangeNothingWhenTheWindowAlreadyHoldsTheFile) {
    const std::string path = (folder / "same.wpx").string();
    SaveThrough(path);
    const TSnapshot before = Snapshot(*form);
    LoadThrough(path);
    EXPECT_EQ(Snapshot(*form), before);
    EXPECT_TRUE(env.Prompts.Shown.empty());
}

TEST_F(RoundTrip, RestoresEverySettingAndEveryGatewayLine) {
    Customise(*form);
    const TSnapshot saved = Snapshot(*form);
    const std::vector<TLineState> lines = LineStates(*form);
    const auto enabled = EnabledStates(*form);
    const std::string path = (folder / "custom.wpx").string();
    SaveThrough(path);
    ASSERT_TRUE(env.Messages.Shown.empty());
    const std::string bytes = ReadBytes(path);

    ChangeEverything(*form);
    const TSnapshot changed = Snapshot(*form);
    for (std::size_t n = 0; n < saved.size(); ++n) {
        if (files::FindFileKey(saved[n].first)->Kind() == files::TKeyKind::Reserved) continue;
        EXPECT_NE(changed[n], saved[n]) << "key " << saved[n].first << " was not changed";
    }

    for (bool fresh : {false, true}) {
        SCOPED_TRACE(fresh ? "loaded into a window just started" : "loaded into the changed window");
        if (fresh) Start();
        LoadThrough(path);
        EXPECT_EQ(Snapshot(*form), saved);
        EXPECT_EQ(LineStates(*form), lines);
        EXPECT_EQ(EnabledStates(*form), enabled);
        SaveThrough(path);
        EXPECT_EQ(ReadBytes(path), bytes);
    }
}

}  // namespace
}  // namespace files_test
