#pragma once
// The settings tables: every setting with its page, caption, items or range, step,
// value at creation and default. Rules, records, files and renderers all read these.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/SettingsEditor.h"

namespace editor {

using E = TSettingsEditor;

enum class TPage { UserExperience, AudioLevels, Emergency, Hardware, GWAudioLevels, GWHardware };
const char* PageCaption(TPage page);
bool IsGatewayPage(TPage page);

enum class TTickDefault { Unticked, Ticked, TickedWhenArdex };

// How a spin's position is kept in its record word.
enum class TWordForm {
    Word,     // the position as a signed 16-bit word
    LowByte,  // a signed byte in the low byte, the high byte 0
};

// Each row is the whole description of one setting: its control, where it is shown, its
// caption, range and values, its step in its unit's defaults, its key in a settings file
// and its place in the unit's settings record. Handset rows go to hs_xsettings_t, gateway
// rows to gw_xsettings_t; tick boxes and the Hirose pin list are bits of the record's
// flag word (word 0).

// Where a setting stands, in pixels of its page's tab sheet or of its frame. A tick box is
// Width wide; a spin's or a list's caption is Width wide, and its box follows it.
struct TPlace {
    int Left;
    int Top;
    int Width;
};

struct TTickSetting {
    ui::TCheckBox E::*Box;
    TPage Page;
    TPlace Place;
    const char* Caption;
    TTickDefault Default;
    int DefaultStep;  // its place among its unit's ticks, spins and lists when the defaults set them
    int FileKey;
    int FlagBit;
};

struct TSpinSetting {
    ui::TUpDown E::*UpDown;
    ui::TStaticText E::*Box;
    ui::TLabel E::*Label;
    TPage Page;
    ui::TGroupBox E::*Frame = nullptr;  // the frame it stands in; none on the page itself
    TPlace Place;
    const char* Caption;
    std::string_view Unit = {};  // shown after the box; empty for none
    int Min, Max, Step, AtCreation, Default;
    int DefaultStep;             // as for a tick box
    bool BoxFollowsSpin = true;  // false for the voltage, whose box shows volts
    int FileKey;
    int Word;
    TWordForm Form = TWordForm::Word;
};

// List settings outside the two grids. The record keeps the item index as a flag bit.
struct TListSetting {
    ui::TComboBox E::*List;
    ui::TLabel E::*Label;
    TPage Page;
    TPlace Place;
    const char* Caption;
    const std::vector<std::string>* Items;
    const char* Default;  // selected by SelectItemContaining
    int DefaultStep;      // as for a tick box
    int FileKey;
    int FlagBit;
};

// One row of the " Button Assignments " grid. The three lists have consecutive file
// keys, press and hold first, and share one record word of key-press codes.
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
    int FileKey;  // of the press-and-hold list
    int Word;
};

// What a gateway I/O line is set to, by the texts SelectItemContaining takes.
struct TLineSettings {
    const char* IO;
    const char* Active;
    const char* Function;
    int Pulse = 0;
};

// The "Radio PTT" line is wired the same on every unit: the defaults give it these
// values, and a file load and every gateway write put them back.
inline constexpr TLineSettings kRadioPTTLine{.IO = "Output", .Active = "Low", .Function = "Radio PTT", .Pulse = 0};

// One I/O line of the gateway "Hardware" grid. Line n has the file keys 1011 + 5n to
// 1014 + 5n (I/O, Active, Function, Pulse; 1015 + 5n is reserved) and the record words
// 5 + 2n (line word) and 6 + 2n (pulse).
struct TGatewayLine {
    std::size_t Index;  // 0..8, grid order
    const char* Caption;
    ui::TComboBox E::*IO;
    ui::TComboBox E::*Active;
    ui::TComboBox E::*Function;
    ui::TUpDown E::*Pulse;
    ui::TStaticText E::*PulseBox;
    bool OffersHandsfree = true;   // "Handsfree active" as ninth output function
    bool Fixed = false;            // the whole line is locked
    bool DirectionLocked = false;  // its I/O list is never enabled
    int IOAtCreation = 1;          // "Output"
    int ActiveAtCreation = 0;      // "Low"
    TLineSettings Default;
};

constexpr int FirstFileKey(const TGatewayLine& line) { return 1011 + 5 * static_cast<int>(line.Index); }  // its I/O
constexpr int LineWord(const TGatewayLine& line) { return 5 + 2 * static_cast<int>(line.Index); }
constexpr int PulseWord(const TGatewayLine& line) { return LineWord(line) + 1; }

// What the Kesto edition lacks of the Ardex edition's features. Under Kesto a tick box
// that it lacks is unticked and locked and one it keeps stays enabled with its value; an
// emergency timing shows its Kesto value in its box, and box and label are locked (the
// spin stays enabled). Ardex enables them all and changes no value.
struct TEditionTick {
    ui::TCheckBox E::*Box;
    bool KestoLacks;
    // A Kesto gateway's record never carries it: unticked after a read, and unticked and
    // locked before a write.
    bool KestoGatewayLacks;
};

struct TEditionTiming {
    ui::TStaticText E::*Box;
    ui::TLabel E::*Label;
    const char* KestoText;
};

std::span<const TEditionTick> EditionTicks();
std::span<const TEditionTiming> EditionTimings();

extern const std::vector<std::string> kHold4Items, kHold3Items, kHold2Items;
extern const std::vector<std::string> kShort7Items, kShort6Items, kLong8Items;
extern const std::vector<std::string> kIOItems, kActiveItems, kHirosePin2Items;

std::span<const TTickSetting> TickSettings();
std::span<const TSpinSetting> SpinSettings();
std::span<const TListSetting> ListSettings();
std::span<const TButtonRow> ButtonRows();      // "Acc PTT" to "Right 1"
std::span<const TGatewayLine> GatewayLines();  // "Radio PTT" to "Function 6"

// The column headings of the two grids.
extern const std::array<const char*, 3> kButtonColumns;
extern const std::array<const char*, 4> kLineColumns;

}  // namespace editor
