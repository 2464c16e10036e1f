#pragma once
// The configuration sheet an installer hands over with a unit: one self-contained HTML
// page, with no script and nothing fetched from outside it, to be read on screen and
// printed in black and white on A4 or Letter, at most two pages per unit kind. A heading
// says where the settings came from, when, on which bench, by whom and with which program;
// then for each unit kind every setting beside its factory default, the changed ones
// marked, with the handset's button map or the gateway's wiring to the radio, and the
// SHA-256 of the record these settings give a unit of the kind.

#include <optional>
#include <span>
#include <string>

#include "editor/SettingsEditor.h"
#include "records/UnitIdentity.h"
#include "records/UnitKind.h"
#include "ui/Services.h"

namespace report {

// Where the settings came from, and who made the sheet when, where and with what.
struct TSheetFacts {
    bool FromUnit = false;  // read from a unit on an adapter rather than from a file
    std::string Source;     // the settings file as given, or the adapter's name
    ui::TLocalTime MadeAt;
    std::string Bench;
    std::string Operator;
    std::string ProgramVersion;  // "v2.05A"
};

// A unit kind on the sheet, with the unit's identification when its settings were read
// from it; a settings file gives no more than the edition.
struct TSheetUnit {
    const records::TUnitKind* Kind;
    std::optional<records::TUnitIdentity> Unit;
};

// The sheet of the settings for each of `units`, in that order; the edition is the one
// the settings hold, named once for all of them.
std::string ConfigurationSheet(const editor::TSettingsEditor& settings, std::span<const TSheetUnit> units,
                               const TSheetFacts& facts);

}  // namespace report
