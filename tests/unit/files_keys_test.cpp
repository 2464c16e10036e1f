// The file key table: every setting of the editor has exactly one key, in file order,
// and the gateway lines take their keys in grid order.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "FilesTestForm.h"
#include "editor/SettingsTables.h"

namespace files_test {
namespace {

using files::TKeyKind;
using files::TLinePart;

TEST(FileKeyTable, HoldsThe105KeysInFileOrder) {
    std::vector<int> expected{9000};
    for (int key = 1; key <= 49; ++key) expected.push_back(key);
    for (int key = 1001; key <= 1055; ++key) expected.push_back(key);
    std::vector<int> keys;
    for (const files::TFileKey& key : files::FileKeys()) keys.push_back(key.Key);
    EXPECT_EQ(keys, expected);
}

TEST(FileKeyTable, ReservesTheTenGatewayKeys) {
    std::set<int> reserved;
    for (const files::TFileKey& key : files::FileKeys())
        if (key.Kind() == TKeyKind::Reserved) reserved.insert(key.Key);
    EXPECT_EQ(reserved, (std::set<int>{1008, 1015, 1020, 1025, 1030, 1035, 1040, 1045, 1050, 1055}));
}

TEST(FileKeyTable, FindsOnlyKeysOfTheFile) {
    for (int key : {0, -1, 50, 1000, 1056, 8999, 9001, 10012}) EXPECT_EQ(files::FindFileKey(key), nullptr) << key;
    for (int key : {1, 49, 1001, 1008, 1055, 9000}) {
        ASSERT_NE(files::FindFileKey(key), nullptr) << key;
        EXPECT_EQ(files::FindFileKey(key)->Key, key);
    }
}

TEST(FileKeyTable, WritesKeysAsFourDigits) {
    EXPECT_EQ(files::KeyText(1), "0001");
    EXPECT_EQ(files::KeyText(49), "0049");
    EXPECT_EQ(files::KeyText(1055), "1055");
    EXPECT_EQ(files::KeyText(9000), "9000");
}

class FileKeysOfTheForm : public FilesForm {};

// Each setting control of the settings tables, with the kind its key must have.
std::map<const ui::TControl*, TKeyKind> SettingControls(const editor::TSettingsEditor& e) {
    std::map<const ui::TControl*, TKeyKind> controls{{&e.butModelArdex, TKeyKind::Edition}};
    for (const editor::TTickSetting& tick : editor::TickSettings()) controls[&(e.*tick.Box)] = TKeyKind::Tick;
    for (const editor::TSpinSetting& spin : editor::SpinSettings()) controls[&(e.*spin.UpDown)] = TKeyKind::Spin;
    for (const editor::TListSetting& list : editor::ListSettings()) controls[&(e.*list.List)] = TKeyKind::List;
    for (const editor::TButtonRow& row : editor::ButtonRows())
        for (auto member : {row.PressAndHold, row.ShortPress, row.LongPress}) controls[&(e.*member)] = TKeyKind::List;
    for (const editor::TGatewayLine& line : editor::GatewayLines()) {
        for (auto member : {line.IO, line.Active, line.Function}) controls[&(e.*member)] = TKeyKind::List;
        controls[&(e.*line.Pulse)] = TKeyKind::Spin;
    }
    return controls;
}

TEST_F(FileKeysOfTheForm, GiveEverySettingExactlyOneKeyOfItsKind) {
    std::map<const ui::TControl*, TKeyKind> keyed;
    for (const files::TFileKey& key : files::FileKeys()) {
        const ui::TControl* control = files::ControlOf(std::as_const(*form), key);
        EXPECT_EQ(control == nullptr, key.Kind() == TKeyKind::Reserved) << key.Key;
        if (control == nullptr) continue;
        EXPECT_TRUE(keyed.emplace(control, key.Kind()).second) << control->Name << " has a second key " << key.Key;
    }
    EXPECT_EQ(keyed, SettingControls(*form));
}

TEST_F(FileKeysOfTheForm, NumberTheGatewayLinesInGridOrder) {
    for (const editor::TGatewayLine& line : editor::GatewayLines()) {
        const int first = 1011 + 5 * static_cast<int>(line.Index);
        const struct {
            int Key;
            TLinePart Part;
            const ui::TControl* Control;
        } parts[] = {{first, TLinePart::IO, &((*form).*line.IO)},
                     {first + 1, TLinePart::Active, &((*form).*line.Active)},
                     {first + 2, TLinePart::Function, &((*form).*line.Function)},
                     {first + 3, TLinePart::Pulse, &((*form).*line.Pulse)}};
        for (const auto& part : parts) {
            const files::TFileKey& key = *files::FindFileKey(part.Key);
            SCOPED_TRACE(part.Key);
            EXPECT_EQ(key.Line, static_cast<int>(line.Index));
            EXPECT_EQ(key.Part, part.Part);
            EXPECT_EQ(files::ControlOf(*form, key), part.Control);
            EXPECT_EQ(key.FixedOnLoad.has_value(), line.Fixed);
        }
        EXPECT_EQ(files::FindFileKey(first + 4)->Kind(), TKeyKind::Reserved);
    }
}

}  // namespace
}  // namespace files_test
