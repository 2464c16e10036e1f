#include "files/FileKeys.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <vector>

#include "editor/KeyPressMaps.h"
#include "editor/ListText.h"
#include "editor/SettingsTables.h"

namespace files {
namespace {

constexpr int kEditionKey = 9000;
constexpr int kReservedGatewayKey = 1008;

TFileKey Setting(int key, TKeyControl control) { return {key, control, -1, TLinePart::None, std::nullopt}; }
TFileKey Reserved(int key) { return Setting(key, std::monostate{}); }

// The item a fixed line's text selects, as the index a file holds.
std::int32_t FixedIndex(const std::vector<std::string>& items, const char* text) {
    return editor::IndexOfItemContaining(items, text);
}

// The four keys of a gateway line and the reserved key after them. The fixed line reads
// as its fixed values whatever the file holds.
void AddLineKeys(std::vector<TFileKey>& keys, const editor::TGatewayLine& line) {
    const int first = editor::FirstFileKey(line);
    const int index = static_cast<int>(line.Index);
    const editor::TLineSettings& fixed = editor::kRadioPTTLine;
    const bool input = std::string_view(fixed.IO).find("Input") != std::string_view::npos;
    const auto value = [&line](std::int32_t v) { return line.Fixed ? std::optional(v) : std::nullopt; };
    keys.push_back({first, line.IO, index, TLinePart::IO, value(FixedIndex(editor::kIOItems, fixed.IO))});
    keys.push_back(
        {first + 1, line.Active, index, TLinePart::Active, value(FixedIndex(editor::kActiveItems, fixed.Active))});
    const auto functions = input ? editor::InputFunctionItems() : editor::OutputFunctionItems(line.OffersHandsfree);
    keys.push_back(
        {first + 2, line.Function, index, TLinePart::Function, value(FixedIndex(functions, fixed.Function))});
    keys.push_back({first + 3, line.Pulse, index, TLinePart::Pulse, value(fixed.Pulse)});
    keys.push_back(Reserved(first + 4));
}

// The edition first, then every other key in ascending order.
std::vector<TFileKey> KeysInFileOrder() {
    std::vector<TFileKey> keys{Setting(kEditionKey, &E::butModelArdex), Reserved(kReservedGatewayKey)};
    for (const editor::TTickSetting& tick : editor::TickSettings()) keys.push_back(Setting(tick.FileKey, tick.Box));
    for (const editor::TListSetting& list : editor::ListSettings()) keys.push_back(Setting(list.FileKey, list.List));
    for (const editor::TSpinSetting& spin : editor::SpinSettings()) keys.push_back(Setting(spin.FileKey, spin.UpDown));
    for (const editor::TButtonRow& row : editor::ButtonRows()) {
        keys.push_back(Setting(row.FileKey, row.PressAndHold));
        keys.push_back(Setting(row.FileKey + 1, row.ShortPress));
        keys.push_back(Setting(row.FileKey + 2, row.LongPress));
    }
    for (const editor::TGatewayLine& line : editor::GatewayLines()) AddLineKeys(keys, line);
    const auto order = [](const TFileKey& k) { return k.Key == kEditionKey ? -1 : k.Key; };
    std::ranges::sort(keys, {}, order);
    return keys;
}

const std::vector<TFileKey>& Keys() {
    static const std::vector<TFileKey> keys = KeysInFileOrder();
    return keys;
}

template <typename TEditor>
auto* Control(TEditor& settings, const TFileKey& key) {
    using TResult = std::conditional_t<std::is_const_v<TEditor>, const ui::TControl*, ui::TControl*>;
    return std::visit(
        [&settings](auto member) -> TResult {
            if constexpr (std::is_same_v<decltype(member), std::monostate>)
                return nullptr;
            else
                return &(settings.*member);
        },
        key.Control);
}

}  // namespace

std::span<const TFileKey> FileKeys() { return Keys(); }

const TFileKey* FindFileKey(std::int32_t key) {
    const auto found = std::ranges::find(Keys(), key, &TFileKey::Key);
    return found == Keys().end() ? nullptr : &*found;
}

std::string KeyText(int key) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", key);
    return text;
}

ui::TControl* ControlOf(E& settings, const TFileKey& key) { return Control(settings, key); }
const ui::TControl* ControlOf(const E& settings, const TFileKey& key) { return Control(settings, key); }

std::int32_t FileValue(const E& settings, const TFileKey& key) {
    struct TRead {
        const E& settings;
        std::int32_t operator()(std::monostate) const { return 0; }
        std::int32_t operator()(ui::TRadioButton E::*edition) const { return (settings.*edition).Checked() ? 1 : 0; }
        std::int32_t operator()(ui::TCheckBox E::*tick) const { return (settings.*tick).Checked() ? 1 : 0; }
        std::int32_t operator()(ui::TComboBox E::*list) const { return (settings.*list).ItemIndex(); }
        std::int32_t operator()(ui::TUpDown E::*spin) const { return (settings.*spin).Position(); }
    };
    return std::visit(TRead{settings}, key.Control);
}

void ApplyFileValue(E& settings, const TFileKey& key, std::int32_t value) {
    struct TSet {
        E& settings;
        std::int32_t value;
        void operator()(std::monostate) const {}
        void operator()(ui::TRadioButton E::*) const {
            (value == 1 ? settings.butModelArdex : settings.butModelKesto).SetChecked(true);
        }
        void operator()(ui::TCheckBox E::*tick) const { (settings.*tick).SetChecked(value == 1); }
        void operator()(ui::TComboBox E::*list) const { (settings.*list).SetItemIndex(value); }
        // Conversion to a narrower signed type keeps the low bits (defined since C++20).
        void operator()(ui::TUpDown E::*spin) const { (settings.*spin).SetPosition(static_cast<std::int16_t>(value)); }
    };
    std::visit(TSet{settings, value}, key.Control);
}

}  // namespace files
