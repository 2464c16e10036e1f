#pragma once
// The settings tables: every setting with its page, caption, items or range, step,
// value at creation and default. Rules, records, files and renderers all read these.

#include <span>
#include <string>
#include <vector>

#include "editor/SettingsEditor.h"

namespace editor {

using E = TSettingsEditor;

enum class TPage { UserExperience, AudioLevels, Emergency, Hardware, GWAudioLevels, GWHardware };
const char* PageCaption(TPage page);
bool IsGatewayPage(TPage page);

enum class TTickDefault { Unticked, Ticked, TickedWhenArdex };

struct TTickSetting {
    ui::TCheckBox E::*Box;
    TPage Page;
    const char* Caption;
    TTickDefault Default;
};

struct TSpinSetting {
    ui::TUpDown E::*UpDown;
    ui::TStaticText E::*Box;
    ui::TLabel E::*Label;
    TPage Page;
    const char* Caption;
    const char* Group;  // the frame it stands in, or nullptr
    const char* Unit;   // a unit shown after the box, or nullptr
    int Min, Max, Step, AtCreation, Default;
    bool BoxFollowsSpin;  // false for the voltage, whose box shows volts
};

// List settings outside the two grids.
struct TListSetting {
    ui::TComboBox E::*List;
    ui::TLabel E::*Label;
    TPage Page;
    const char* Caption;
    const std::vector<std::string>* Items;
    const char* Default;  // selected by SelectItemContaining
};

// One row of the " Button Assignments " grid.
struct TButtonRow {
    const char* Caption;
    ui::TComboBox E::*PressAndHold;
    ui::TComboBox E::*ShortPress;
    ui::TComboBox E::*LongPress;
    const std::vector<std::string>* HoldItems;
    const std::vector<std::string>* ShortItems;
    const char* DefaultHold;
    const char* DefaultShort;
    const char* DefaultLong;
};

// One I/O line of the gateway "Hardware" grid.
struct TGatewayLine {
    std::size_t Index;  // 0..8, grid order
    const char* Caption;
    ui::TComboBox E::*IO;
    ui::TComboBox E::*Active;
    ui::TComboBox E::*Function;
    ui::TUpDown E::*Pulse;
    ui::TStaticText E::*PulseBox;
    bool OffersHandsfree;  // "Handsfree active" as ninth output function
    bool Fixed;            // the whole line is locked
    bool DirectionLocked;  // its I/O list is never enabled
    int IOAtCreation, ActiveAtCreation;
    const char* DefaultIO;
    const char* DefaultActive;
    const char* DefaultFunction;
};

extern const std::vector<std::string> kHold4Items, kHold3Items, kHold2Items;
extern const std::vector<std::string> kShort7Items, kShort6Items, kLong8Items;
extern const std::vector<std::string> kIOItems, kActiveItems, kHirosePin2Items;

std::span<const TTickSetting> TickSettings();
std::span<const TSpinSetting> SpinSettings();
std::span<const TListSetting> ListSettings();
std::span<const TButtonRow> ButtonRows();        // "Acc PTT" to "Right 1"
std::span<const TGatewayLine> GatewayLines();    // "Radio PTT" to "Function 6"

// The column headings of the two grids.
extern const std::array<const char*, 3> kButtonColumns;
extern const std::array<const char*, 4> kLineColumns;

}  // namespace editor
