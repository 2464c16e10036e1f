#pragma once
// What a configuration sheet says of one unit kind: every setting of the kind as the
// window shows it beside what the factory defaults of the same edition show, grouped as
// the window groups them: each page's own settings, the handset's button grid and the
// gateway's I/O lines to the radio.

#include <array>
#include <string>
#include <vector>

#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"
#include "files/ShownSettings.h"
#include "records/UnitKind.h"

namespace report {

// How a sheet marks a setting that differs from its default: a black diamond, which
// needs no colour to be seen.
inline constexpr const char* kChangedMark = "\u25c6";

struct TSheetSetting {
    files::TShownSetting Shown;
    std::string Default;  // the value as the factory defaults show it
    bool Changed() const { return Shown.Value != Default; }
};

// A settings page with the settings that stand on it outside its grid, in the order the
// window is read: column by column, each from the top.
struct TSheetPage {
    std::string Caption;  // the page's tab: "User Experience"
    std::vector<TSheetSetting> Settings;
};

// A row of the handset's " Button Assignments " grid.
struct TSheetButton {
    const editor::TButtonRow* Row;
    std::array<TSheetSetting, 3> Cells;  // press and hold, short press, long press
};

// A gateway I/O line: how the gateway is wired to the radio on it.
struct TSheetLine {
    const editor::TGatewayLine* Line;
    std::array<TSheetSetting, 4> Cells;  // I/O, Active, Function, Pulse (ms)
    const TSheetSetting& IO() const { return Cells[0]; }
    const TSheetSetting& Active() const { return Cells[1]; }
    const TSheetSetting& Function() const { return Cells[2]; }
    const TSheetSetting& Pulse() const { return Cells[3]; }
    // The gateway drives the line; an input line is driven by the radio.
    bool Output() const;
    // The line has no function: the unit leaves it alone.
    bool Disabled() const;
};

struct TUnitSheetContent {
    const records::TUnitKind* Kind = nullptr;
    std::vector<TSheetPage> Pages;      // the kind's pages in the order of the window's tabs
    std::vector<TSheetButton> Buttons;  // the handset's, "Acc PTT" to "Right 1"
    std::vector<TSheetLine> Lines;      // the gateway's, "Radio PTT" to "Function 6"
    int ChangedCount() const;
};

// The settings of the kind beside the factory defaults of the edition they hold: a Kesto
// unit's defaults lack what Kesto lacks. The edition stands on no page: a sheet names it
// once for both kinds.
TUnitSheetContent SheetContentOf(const editor::TSettingsEditor& settings, const records::TUnitKind& kind);

}  // namespace report
