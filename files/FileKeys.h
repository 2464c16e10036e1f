#pragma once
// The keys of a settings file: one entry per line that the writer writes, in file order,
// each naming the control that holds its setting. The keys come from the settings
// tables' rows; writer, reader and the command-line tools all go by this one list, so a
// key can never mean one thing to one of them and another thing to the next.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "editor/SettingsEditor.h"

namespace files {

using E = editor::TSettingsEditor;

// The order follows the alternatives of TKeyControl.
enum class TKeyKind { Reserved, Edition, Tick, List, Spin };

// Which of a gateway I/O line's four settings a key holds.
enum class TLinePart { None, IO, Active, Function, Pulse };

// The control of a key's setting: nothing for a reserved key, butModelArdex for the
// edition (selected or not decides between the two editions).
using TKeyControl =
    std::variant<std::monostate, ui::TRadioButton E::*, ui::TCheckBox E::*, ui::TComboBox E::*, ui::TUpDown E::*>;

struct TFileKey {
    int Key;
    TKeyControl Control;
    int Line = -1;  // the gateway I/O line, as an index into editor::GatewayLines(); -1 outside the grid
    TLinePart Part = TLinePart::None;
    // The value a load sets whatever the file holds: the "Radio PTT" line is fixed.
    std::optional<std::int32_t> FixedOnLoad;

    TKeyKind Kind() const { return static_cast<TKeyKind>(Control.index()); }
};

// The 105 keys: 9000, then 0001 to 0049, then 1001 to 1055.
std::span<const TFileKey> FileKeys();
// The entry of a key number; nullptr when no line of a settings file carries it.
const TFileKey* FindFileKey(std::int32_t key);
// The key as a file writes it: four digits with leading zeros.
std::string KeyText(int key);

// The control that holds the key's setting; nullptr for a reserved key.
ui::TControl* ControlOf(E& settings, const TFileKey& key);
const ui::TControl* ControlOf(const E& settings, const TFileKey& key);

// The value the file holds for the setting as it is now: 1 or 0 for a tick and the
// edition (1 for Ardex), the selected index of a list (-1 for none), the spin position;
// 0 for a reserved key.
std::int32_t FileValue(const E& settings, const TFileKey& key);
// Sets the setting from a file value by its kind alone: a tick is ticked by exactly 1,
// the edition is Ardex for exactly 1, a list index outside the list leaves no selection,
// a spin takes the low 16 bits as a signed number. A reserved key takes nothing. A tick
// box or edition button that changes runs its click rule, as a user's click would.
void ApplyFileValue(E& settings, const TFileKey& key, std::int32_t value);

}  // namespace files
