#pragma once
// The unit kinds this programmer serves, each with everything in which the device
// workflows treat them differently: the record key and its conversion to and from the
// settings document, the page set, the version label and text, the edition memory, the
// features a Kesto unit of the kind lacks, and the messages. The workflows look the kind
// up and use what it carries; they never ask which kind it is.

#include <cstdint>
#include <span>
#include <string>

#include "editor/SettingsEditor.h"
#include "editor/SettingsTables.h"
#include "records/SettingsRecords.h"
#include "records/UnitIdentity.h"
#include "ui/Text.h"

namespace records {

// What the window keeps of the units it identified, as long as it lives: each kind's
// version label and the record of each kind last read or built, and the edition of the
// last gateway.
struct TUnitMemory {
    ui::TLabel HSSwVersionLabel{"HSSwVersionLabel"};
    ui::TLabel GWSwVersionLabel{"GWSwVersionLabel"};
    hs_xsettings_t HSRecord{};
    gw_xsettings_t GWRecord{};
    std::uint16_t GatewayEdition = 0;
};

struct TUnitKind {
    std::uint16_t Type;
    const char* Name;  // "handset": in the command line's reports and backup names
    const char* VersionPrefix;
    std::uint16_t RecordKey;
    ui::TTabSheet editor::TSettingsEditor::*Pages;
    ui::TLabel TUnitMemory::*VersionLabel;
    // Where the kind's edition is remembered; null for a kind whose edition is not kept.
    std::uint16_t TUnitMemory::*EditionMemory;
    // The record for a write, built from the settings document once the kind has put in
    // it what every unit of the kind gets (the gateway's Radio PTT line); kept in the
    // memory as well.
    TRecordWords (*BuildRecord)(editor::TSettingsEditor& editor, TUnitMemory& memory);
    // The record kept in the memory and applied to the settings document.
    void (*ApplyRecord)(const TRecordWords& words, editor::TSettingsEditor& editor, TUnitMemory& memory);
    // The column of the edition table that names the features a Kesto unit of this kind
    // never carries in its record; null when it carries all its edition has.
    bool editor::TEditionTick::*KestoUnitLacks;
    const char* ReadSuccess;
    const char* ReadFailure;
    const char* ReadMismatch;
    const char* ProgramMismatch;
    const char* WriteSuccess;  // a question: restart the unit?
    const char* WriteFailure;
};

extern const TUnitKind kHandsetKind;
extern const TUnitKind kGatewayKind;

// The kind of a unit type; null for a unit this programmer does not serve.
const TUnitKind* KindOfType(std::uint16_t type);
// The kind whose pages are on show.
const TUnitKind& KindOnShow(const editor::TSettingsEditor& editor);

// "HS: V2.05 Ardex": each 4-bit digit in decimal, the top one of the word dropped.
std::string VersionText(const TUnitKind& kind, const TUnitIdentity& unit);

// The unit's edition remembered where its kind keeps it.
void RememberEdition(const TUnitKind& kind, const TUnitIdentity& unit, TUnitMemory& memory);

// The features a Kesto unit of the kind never carries are unticked, and with `lock`
// disabled too, so that their bits go out as 0; nothing happens for an Ardex unit.
// The edition is the one the kind remembers, or the unit's own for a kind that keeps
// none.
void DropFeaturesTheEditionLacks(const TUnitKind& kind, const TUnitIdentity& unit, const TUnitMemory& memory,
                                 editor::TSettingsEditor& editor, bool lock);

// READ DEVICE's steps on the editor, for a unit of the kind whose pages are on show: the
// unit's edition remembered and selected, which runs its rule when the selection changes;
// later the record read applied, less what a Kesto unit of the kind never carries.
void SelectUnitEdition(const TUnitKind& kind, const TUnitIdentity& unit, TUnitMemory& memory,
                       editor::TSettingsEditor& editor);
void ApplyUnitRecord(const TUnitKind& kind, const TUnitIdentity& unit, const TRecordWords& words, TUnitMemory& memory,
                     editor::TSettingsEditor& editor);

// The record PROGRAM DEVICE writes to the unit: the edition always comes from the unit,
// whatever the editor had selected, so its rule runs and what a Kesto unit lacks is
// unticked and locked before the kind builds the record from the settings.
TRecordWords RecordForUnit(const TUnitKind& kind, const TUnitIdentity& unit, TUnitMemory& memory,
                           editor::TSettingsEditor& editor);

}  // namespace records
