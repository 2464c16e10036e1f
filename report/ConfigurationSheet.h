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

// What the settings on a sheet were taken from: the window's sheet is of the settings as
// the user left them, which may be a file's or a unit's edited since.
enum class TSheetSource { SettingsFile, Unit, Window };

// What a production record says of one unit it programmed, for that unit's certificate.
struct TProductionFacts {
    std::string Entry;  // where the record keeps it: "record.jsonl, entry 3"
    std::string Time;   // as the record gives it
    std::string Adapter;
    std::string Bench;
    std::string Operator;
    std::string ProgramVersion;
    std::string Result;          // "ok", "verify failed", ...
    std::string Written;         // "yes", "no", "unknown"
    std::string Verification;    // "verified", "differs", "not reached"
    std::string ReadBackSha256;  // RecordSha256 of the words read back after the write
    std::string FileSha256;      // of the job file as it was programmed
    // Whether the job file given has that digest still: only then are its settings the
    // unit's, and shown.
    bool FileUnchanged = false;
};

// Where the settings came from, and who made the sheet when, where and with what. A
// unit's certificate is a sheet with the facts of its programming, of the settings the
// job file gave that unit.
struct TSheetFacts {
    TSheetSource From = TSheetSource::SettingsFile;
    std::string Source;  // the settings file as given, the adapter's name, or the window
    ui::TLocalTime MadeAt;
    std::string Bench;
    std::string Operator;
    std::string ProgramVersion;  // "v2.05A"
    std::optional<TProductionFacts> Production{};
};

// A unit kind on the sheet, with the unit's identification when its settings were read
// from it; a settings file gives no more than the edition.
struct TSheetUnit {
    const records::TUnitKind* Kind;
    std::optional<records::TUnitIdentity> Unit;
};

// The sheet of the settings for each of `units`, in that order; the edition is the one
// the settings hold, named once for all of them. A certificate is of one unit, whose
// identification gives the edition.
std::string ConfigurationSheet(const editor::TSettingsEditor& settings, std::span<const TSheetUnit> units,
                               const TSheetFacts& facts);

}  // namespace report
