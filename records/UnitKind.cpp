#include "records/UnitKind.h"

#include <cstdio>

#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"

namespace records {
namespace {

using E = editor::TSettingsEditor;

TRecordWords BuildHandsetRecord(E& editor, TUnitMemory& memory) {
    memory.HSRecord = MapSettingsToHSRecord(editor);
    return ToWords(memory.HSRecord);
}

void ApplyHandsetRecord(const TRecordWords& words, E& editor, TUnitMemory& memory) {
    memory.HSRecord = FromWords<hs_xsettings_t>(words);
    MapHSRecordToSettings(memory.HSRecord, editor);
}

// Every unit's Radio PTT line is wired the same, whatever the editor showed.
TRecordWords BuildGatewayRecord(E& editor, TUnitMemory& memory) {
    editor.FixRadioPTTLine();
    memory.GWRecord = MapSettingsToGWRecord(editor);
    return ToWords(memory.GWRecord);
}

void ApplyGatewayRecord(const TRecordWords& words, E& editor, TUnitMemory& memory) {
    memory.GWRecord = FromWords<gw_xsettings_t>(words);
    MapGWRecordToSettings(memory.GWRecord, editor);
}

}  // namespace

const TUnitKind kHandsetKind{
    .Type = kHandsetType,
    .Name = "handset",
    .VersionPrefix = "HS",
    .RecordKey = PSKEY_HS_XSETTINGS,
    .Pages = &E::HandsetTabSheet,
    .VersionLabel = &TUnitMemory::HSSwVersionLabel,
    .EditionMemory = nullptr,
    .BuildRecord = BuildHandsetRecord,
    .ApplyRecord = ApplyHandsetRecord,
    .KestoUnitLacks = nullptr,
    .ReadSuccess = "Success to read ZENTA Handset settings.",
    .ReadFailure = "Fail to read ZENTA Handset settings.",
    .ReadMismatch = "The device is not ZENTA Handset.",
    .ProgramMismatch = "The device is not ZENTA Fennic Series Handset.",
    .WriteSuccess = "Success writing ZENTA Handset settings.\nReset device?",
    .WriteFailure = "Fail to write ZENTA Handset settings.",
};

const TUnitKind kGatewayKind{
    .Type = kGatewayType,
    .Name = "gateway",
    .VersionPrefix = "GW",
    .RecordKey = PSKEY_GW_XSETTINGS,
    .Pages = &E::CradleTabSheet,
    .VersionLabel = &TUnitMemory::GWSwVersionLabel,
    .EditionMemory = &TUnitMemory::GatewayEdition,
    .BuildRecord = BuildGatewayRecord,
    .ApplyRecord = ApplyGatewayRecord,
    .KestoUnitLacks = &editor::TEditionTick::KestoGatewayLacks,
    .ReadSuccess = "Success to read ZENTA Gateway settings.",
    .ReadFailure = "Fail to read ZENTA Gateway settings.",
    .ReadMismatch = "The device is not ZENTA Gateway.",
    .ProgramMismatch = "The device is not ZENTA Fennic Series Gateway.",
    .WriteSuccess = "Success writing ZENTA Gateway settings.\nReset device?",
    .WriteFailure = "Fail to write ZENTA Gateway settings.",
};

namespace {

constexpr const TUnitKind* kKinds[] = {&kHandsetKind, &kGatewayKind};

}  // namespace

const TUnitKind* KindOfType(std::uint16_t type) {
    for (const TUnitKind* kind : kKinds)
        if (kind->Type == type) return kind;
    return nullptr;
}

const TUnitKind& KindOnShow(const E& editor) {
    for (const TUnitKind* kind : kKinds)
        if (editor.MasterPageControl.ActivePage() == &(editor.*kind->Pages)) return *kind;
    // Only the two page sets are ever active; any other page counts as the gateway's.
    return kGatewayKind;
}

std::string VersionText(const TUnitKind& kind, const TUnitIdentity& unit) {
    char text[64];
    std::snprintf(text, sizeof text, "%s: V%d.%d%d%s", kind.VersionPrefix, (unit.Version >> 8) & 0xF,
                  (unit.Version >> 4) & 0xF, unit.Version & 0xF, unit.Ardex() ? " Ardex" : " Kesto");
    return text;
}

void RememberEdition(const TUnitKind& kind, const TUnitIdentity& unit, TUnitMemory& memory) {
    if (kind.EditionMemory != nullptr) memory.*kind.EditionMemory = unit.Edition;
}

void DropFeaturesTheEditionLacks(const TUnitKind& kind, const TUnitIdentity& unit, const TUnitMemory& memory, E& editor,
                                 bool lock) {
    const std::uint16_t edition = kind.EditionMemory != nullptr ? memory.*kind.EditionMemory : unit.Edition;
    if (kind.KestoUnitLacks == nullptr || edition == kArdexEdition) return;
    for (const editor::TEditionTick& tick : editor::EditionTicks()) {
        if (!(tick.*kind.KestoUnitLacks)) continue;
        if (lock) (editor.*tick.Box).Enabled = false;
        (editor.*tick.Box).SetChecked(false);
    }
}

void SelectUnitEdition(const TUnitKind& kind, const TUnitIdentity& unit, TUnitMemory& memory, E& editor) {
    RememberEdition(kind, unit, memory);
    (unit.Ardex() ? editor.butModelArdex : editor.butModelKesto).SetChecked(true);
}

void ApplyUnitRecord(const TUnitKind& kind, const TUnitIdentity& unit, const TRecordWords& words, TUnitMemory& memory,
                     E& editor) {
    kind.ApplyRecord(words, editor, memory);
    DropFeaturesTheEditionLacks(kind, unit, memory, editor, false);
}

TRecordWords RecordForUnit(const TUnitKind& kind, const TUnitIdentity& unit, TUnitMemory& memory, E& editor) {
    RememberEdition(kind, unit, memory);
    if (unit.Ardex())
        editor.ApplyArdexEdition();
    else
        editor.ApplyKestoEdition();
    DropFeaturesTheEditionLacks(kind, unit, memory, editor, true);
    return kind.BuildRecord(editor, memory);
}

}  // namespace records
