// Key-press codes to list items and back, and the text-based list operations.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "editor/KeyPressMaps.h"
#include "editor/ListText.h"
#include "editor/SettingsTables.h"
#include "ui/Headless.h"

namespace {

using editor::MapComboBoxToGWKeyPress;
using editor::MapComboBoxToHSKeyPress;
using editor::MapGWKeyPressToComboBox;
using editor::MapHSKeyPressToComboBox;

class Maps : public ::testing::Test {
protected:
    std::unique_ptr<ui::TComboBox> List(const std::vector<std::string>& items, int index = 0) {
        auto list = std::make_unique<ui::TComboBox>("List");
        list->SetItems(items);
        list->SetItemIndex(index);
        return list;
    }
    ui::THeadlessPrompts prompts;
    ui::TPrompter prompter{prompts};
};

TEST_F(Maps, EveryHandsetItemConvertsToItsCodeAndBackToItself) {
    for (const auto* items : {&editor::kHold4Items, &editor::kHold3Items, &editor::kHold2Items, &editor::kShort7Items,
                              &editor::kShort6Items, &editor::kLong8Items}) {
        for (int i = 0; i < static_cast<int>(items->size()); ++i) {
            auto listOwner = List(*items, i);
            ui::TComboBox& list = *listOwner;
            const int code = MapComboBoxToHSKeyPress(list, prompter);
            list.SetItemIndex(items->size() > 1 && i == 0 ? 1 : 0);
            MapHSKeyPressToComboBox(code, list, prompter);
            EXPECT_EQ(list.ItemIndex(), i) << (*items)[static_cast<std::size_t>(i)];
        }
    }
    EXPECT_TRUE(prompts.Shown.empty());
}

struct THandsetText {
    const char* Item;
    int Code;
};

// Readable names for the cases in test listings.
void PrintTo(const THandsetText& c, std::ostream* out) { *out << "code" << c.Code; }

class HandsetCodes : public Maps, public ::testing::WithParamInterface<THandsetText> {};

TEST_P(HandsetCodes, ItemTextGivesItsCode) {
    auto listOwner = List({GetParam().Item});
    ui::TComboBox& list = *listOwner;
    EXPECT_EQ(MapComboBoxToHSKeyPress(list, prompter), GetParam().Code);
}

INSTANTIATE_TEST_SUITE_P(Items, HandsetCodes,
                         ::testing::Values(THandsetText{"(Disabled)", 0}, THandsetText{"On / Off", 1},
                                           THandsetText{"Radio PTT", 2}, THandsetText{"Talk Around PTT", 3},
                                           THandsetText{"Volume Up", 4}, THandsetText{"Volume Down", 5},
                                           THandsetText{"Emergency", 6}, THandsetText{"Aux 1", 7},
                                           THandsetText{"Aux 2", 8}, THandsetText{"HF On/Off", 9}));

TEST_F(Maps, AnUnmatchedTextIsReportedAndGivesZero) {
    auto listOwner = List({"Speaker -ve"});
    ui::TComboBox& list = *listOwner;
    EXPECT_EQ(MapComboBoxToHSKeyPress(list, prompter), 0);
    list.SetItemIndex(-1);
    EXPECT_EQ(MapComboBoxToGWKeyPress(list, prompter), 0);
    ASSERT_EQ(prompts.Shown.size(), 2u);
    EXPECT_EQ(prompts.Shown[0].Text, "Text 'Speaker -ve' is not matched in MapComboBoxToHSKeyPress()!");
    EXPECT_EQ(prompts.Shown[1].Text, "Text '' is not matched in MapComboBoxToGWKeyPress()!");
    EXPECT_EQ(prompts.Shown[1].Caption, "ERROR");
    EXPECT_EQ(prompts.Shown[1].Type, 1);
}

TEST_F(Maps, AnOutOfTableHandsetCodeIsReportedThenDisablesTheList) {
    auto listOwner = List(editor::kLong8Items, 3);
    ui::TComboBox& list = *listOwner;
    MapHSKeyPressToComboBox(10, list, prompter);
    EXPECT_EQ(list.Text(), "(Disabled)");
    MapHSKeyPressToComboBox(-3, list, prompter);
    ASSERT_EQ(prompts.Shown.size(), 2u);
    EXPECT_EQ(prompts.Shown[0].Text, "KeyPress '10' is not matched in MapHSKeyPressToComboBox()!");
    EXPECT_EQ(prompts.Shown[1].Text, "KeyPress '-3' is not matched in MapHSKeyPressToComboBox()!");
}

TEST_F(Maps, ACodeTheListDoesNotCarryLeavesItsSelection) {
    auto shortPressOwner = List(editor::kShort6Items, 2);
    ui::TComboBox& shortPress = *shortPressOwner;
    MapHSKeyPressToComboBox(1, shortPress, prompter);  // "On / Off" is long press only
    EXPECT_EQ(shortPress.ItemIndex(), 2);
    auto accHoldOwner = List(editor::kHold2Items, 1);
    ui::TComboBox& accHold = *accHoldOwner;
    MapHSKeyPressToComboBox(0, accHold, prompter);  // no "(Disabled)" to select
    EXPECT_EQ(accHold.ItemIndex(), 1);
    EXPECT_TRUE(prompts.Shown.empty());
}

struct TGatewayCase {
    bool Input;
    int Code;
    const char* Expected;  // selected text after mapping from "Disabled"
    bool Reported;
};

void PrintTo(const TGatewayCase& c, std::ostream* out) { *out << (c.Input ? "input" : "output") << "Code" << c.Code; }

class GatewayCodes : public Maps, public ::testing::WithParamInterface<TGatewayCase> {};

TEST_P(GatewayCodes, SelectTheFunctionOfTheLinesDirection) {
    const TGatewayCase c = GetParam();
    auto listOwner = List(c.Input ? editor::InputFunctionItems() : editor::OutputFunctionItems(true));
    ui::TComboBox& list = *listOwner;
    MapGWKeyPressToComboBox(c.Code, list, prompter);
    EXPECT_EQ(list.Text(), c.Expected);
    EXPECT_EQ(prompts.Shown.size(), c.Reported ? 1u : 0u);
    if (!c.Reported && list.Text() != "Disabled") {
        EXPECT_EQ(MapComboBoxToGWKeyPress(list, prompter), c.Code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GatewayCodes,
    ::testing::Values(TGatewayCase{true, 1, "Radio COR", false}, TGatewayCase{false, 1, "Radio PTT", false},
                      TGatewayCase{true, 2, "Remote PTT", false}, TGatewayCase{true, 3, "Find Me", false},
                      TGatewayCase{true, 5, "Disabled", false}, TGatewayCase{true, 8, "Disabled", false},
                      TGatewayCase{false, 3, "Talk around", false},
                      TGatewayCase{false, 7, "Handset out of Range", false},
                      TGatewayCase{false, 8, "Handsfree active", false}, TGatewayCase{false, 0, "Disabled", false},
                      TGatewayCase{false, 9, "Disabled", true}, TGatewayCase{true, 0x3FFF, "Disabled", true}));

TEST_F(Maps, HandsfreeIsOfferedOnlyWhereTheLineHasIt) {
    EXPECT_EQ(editor::OutputFunctionItems(false).size(), 8u);
    EXPECT_EQ(editor::OutputFunctionItems(true).back(), "Handsfree active");
    auto radioLineOwner = List(editor::OutputFunctionItems(false), 2);
    ui::TComboBox& radioLine = *radioLineOwner;
    MapGWKeyPressToComboBox(8, radioLine, prompter);
    EXPECT_EQ(radioLine.ItemIndex(), 2);
}

TEST(ListText, SelectsTheFirstItemContainingTheText) {
    ui::TComboBox list("List");
    list.SetItems(editor::kHold4Items);
    editor::SelectItemContaining(list, "Disabled");
    EXPECT_EQ(list.Text(), "(Disabled)");
    editor::SelectItemContaining(list, "PTT");
    EXPECT_EQ(list.Text(), "Radio PTT");
    editor::SelectItemContaining(list, "Talk Around");
    editor::SelectItemContaining(list, "disabled");  // case matters: no change
    EXPECT_EQ(list.Text(), "Talk Around PTT");
    editor::SelectItemContaining(list, "");
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_TRUE(editor::SelectedItemContains(list, "Disabled"));
    list.SetItemIndex(-1);
    EXPECT_FALSE(editor::SelectedItemContains(list, ""));
}

}  // namespace
