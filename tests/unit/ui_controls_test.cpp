// The event behaviour of the toolkit-neutral controls, on which every editor rule rests.

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Pages.h"
#include "ui/UpDown.h"

namespace {

TEST(CheckBox, RunsItsClickHandlerOnlyWhenTheStateChanges) {
    ui::TCheckBox box("Box");
    int clicks = 0;
    box.OnClick = [&] { ++clicks; };
    box.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box.UserClick();
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(RadioButton, SelectingFromCodeDeselectsTheGroupAndRunsTheHandlerOnce) {
    ui::TRadioButton a("A"), b("B");
    ui::TRadioButton::Group({&a, &b});
    int aClicks = 0, bClicks = 0;
    a.OnClick = [&] { ++aClicks; };
    b.OnClick = [&] { ++bClicks; };
    a.SetChecked(true);
    b.UserClick();
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    b.UserClick();  // already selected: nothing happens
    EXPECT_EQ(aClicks, 1);
    EXPECT_EQ(bClicks, 1);
}

TEST(RadioButton, AHandlerThatReselectsItsOwnButtonDoesNotRecurse) {
    ui::TRadioButton a("A"), b("B");
    ui::TRadioButton::Group({&a, &b});
    int runs = 0;
    a.OnClick = [&] {
        ++runs;
        a.SetChecked(true);
    };
    a.SetChecked(true);
    EXPECT_EQ(runs, 1);
}

TEST(RadioButton, OnlyTheSelectedButtonOrWithoutSelectionTheFirstIsATabStop) {
    ui::TRadioButton a("A"), b("B"), c("C");
    ui::TRadioButton::Group({&a, &b, &c});
    auto tabStops = [&] { return std::vector<bool>{a.IsTabStop(), b.IsTabStop(), c.IsTabStop()}; };
    EXPECT_EQ(tabStops(), (std::vector<bool>{true, false, false}));
    b.UserClick();
    EXPECT_EQ(tabStops(), (std::vector<bool>{false, true, false}));
    c.SetChecked(true);
    EXPECT_EQ(tabStops(), (std::vector<bool>{false, false, true}));
}

TEST(ComboBox, CodeRunsNoHandlerAndEveryUserChoiceDoes) {
    ui::TComboBox list("List");
    list.SetItems({"Low", "High"});
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.SetItemIndex(1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(list.Text(), "High");
    list.UserSelect(1);
    list.UserSelect(1);
    EXPECT_EQ(changes, 2);
}

TEST(ComboBox, AnIndexOutsideTheListLeavesNoSelectionAndNoText) {
    ui::TComboBox list("List");
    list.SetItems({"Low", "High"});
    list.SetText("(Disabled)");
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Text(), "(Disabled)");
    for (int index : {2, 99, -1, -7}) {
        list.SetItemIndex(0);
        list.SetItemIndex(index);
        EXPECT_EQ(list.ItemIndex(), -1) << index;
        EXPECT_EQ(list.Text(), "") << index;
    }
}

struct TSpinCase {
    int Min, Max, Step, Start;
    bool Up;
    int Clicks, Expected;
};

// Readable names for the cases in test listings.
void PrintTo(const TSpinCase& c, std::ostream* out) { *out << "from" << c.Start << (c.Up ? "up" : "down") << c.Clicks; }

class SpinArrows : public ::testing::TestWithParam<TSpinCase> {};

TEST_P(SpinArrows, MoveByTheStepAndStopAtTheEnds) {
    const TSpinCase c = GetParam();
    ui::TUpDown spin("Spin");
    ui::TStaticText box("Box");
    spin.SetMin(c.Min);
    spin.SetMax(c.Max);
    spin.SetIncrement(c.Step);
    spin.Associate(box);
    spin.SetPosition(c.Start);
    int clicks = 0;
    spin.OnPositionSet = [&] { ++clicks; };
    for (int i = 0; i < c.Clicks; ++i) spin.UserClick(c.Up);
    EXPECT_EQ(spin.Position(), c.Expected);
    EXPECT_EQ(box.Text(), std::to_string(c.Expected));
    EXPECT_EQ(clicks, c.Clicks);
}

INSTANTIATE_TEST_SUITE_P(Cases, SpinArrows,
                         ::testing::Values(TSpinCase{-24, 21, 3, 0, true, 2, 6}, TSpinCase{-24, 21, 3, 18, true, 5, 21},
                                           TSpinCase{-24, 21, 3, -21, false, 3, -24},
                                           TSpinCase{2500, 4000, 100, 3900, true, 1, 4000},
                                           TSpinCase{0, 24, 1, 0, false, 1, 0},
                                           // From outside the range the first step lands on the nearer end.
                                           TSpinCase{100, 255, 1, 0, false, 1, 100},
                                           TSpinCase{100, 255, 1, 300, true, 1, 255},
                                           TSpinCase{10, 30000, 10, 0, true, 2, 20}));

TEST(UpDown, TheBoxIsTheValueBothWays) {
    ui::TUpDown spin("Spin");
    ui::TStaticText box("Box");
    spin.SetMin(0);
    spin.SetMax(60);
    spin.Associate(box);
    spin.SetPosition(12);
    EXPECT_EQ(box.Text(), "12");
    box.SetText("0");
    EXPECT_EQ(spin.Position(), 0);
    box.SetText("not a number");
    EXPECT_EQ(spin.Position(), 0);
    spin.UserClick(true);
    EXPECT_EQ(box.Text(), "1");
}

// A position from code is held and shown as given, inside the range or not: a value a
// unit or a file holds goes back unchanged unless the user steps it.
TEST(UpDown, PositionsFromCodeAreHeldAsGiven) {
    ui::TUpDown spin("Spin");
    ui::TStaticText box("Box");
    spin.SetMin(100);
    spin.SetMax(255);
    spin.Associate(box);
    for (auto [set, expected] : {std::pair{0, 0}, {-32768, -32768}, {300, 300}, {210, 210}, {65541, 5}}) {
        spin.SetPosition(set);
        EXPECT_EQ(spin.Position(), expected) << set;
        EXPECT_EQ(box.Text(), std::to_string(expected)) << set;
    }
}

TEST(PageControl, CodeSwitchRunsNoHandlerAndAUserSwitchDoes) {
    ui::TPageControl pages("Pages");
    ui::TTabSheet a("A"), b("B");
    pages.AddPage(a);
    pages.AddPage(b);
    int changes = 0;
    pages.OnChange = [&] { ++changes; };
    EXPECT_EQ(pages.ActivePage(), &a);
    pages.SetActivePage(b);
    EXPECT_EQ(changes, 0);
    pages.UserSwitch(a);
    EXPECT_EQ(pages.ActivePage(), &a);
    EXPECT_EQ(changes, 1);
}

// Ctrl+Tab and Ctrl+Shift+Tab go round the pages both ways, as property sheets do.
TEST(PageControl, PageAfterActiveGoesRoundBothWays) {
    ui::TPageControl pages("Pages");
    ui::TTabSheet a("A"), b("B"), c("C");
    for (ui::TTabSheet* page : {&a, &b, &c}) pages.AddPage(*page);
    struct TCase {
        ui::TTabSheet* Active;
        int Step;
        ui::TTabSheet* Expected;
    };
    for (const TCase& k : {TCase{&a, 1, &b}, {&b, 1, &c}, {&c, 1, &a}, {&a, -1, &c}, {&c, -1, &b}, {&b, 4, &c}}) {
        pages.SetActivePage(*k.Active);
        EXPECT_EQ(pages.PageAfterActive(k.Step), k.Expected) << k.Active->Name << " " << k.Step;
    }
    EXPECT_EQ(ui::TPageControl("Empty").PageAfterActive(1), nullptr);
}

}  // namespace
