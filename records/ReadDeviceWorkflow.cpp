// READ DEVICE: identify the unit on the link, switch the editor to its pages and
// edition, and bring its settings record into the editor.

#include "app/MajorForm.h"
#include "editor/SettingsTables.h"
#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "records/Identification.h"
#include "records/KeyTransfer.h"

namespace records {
namespace {

// The editor follows the unit; units this programmer does not serve are refused.
bool ShowPagesOfUnit(app::TMajorForm& form, const TUnitIdentity& unit) {
    if (unit.Type == kHandsetType) {
        form.MasterPageControl.SetActivePage(form.HandsetTabSheet);
    } else if (unit.Type == kGatewayType) {
        form.MasterPageControl.SetActivePage(form.CradleTabSheet);
    } else {
        form.Prompter.ShowError(ForeignUnitMessage(unit.Type));
        return false;
    }
    return true;
}

void SelectEdition(app::TMajorForm& form, bool ardex) {
    (ardex ? form.butModelArdex : form.butModelKesto).SetChecked(true);
}

// A failed record read leaves the editor as it was: applying the zero-filled buffer
// would wipe the user's unsaved edits and put a record on show that no unit holds,
// ready to be programmed into one.
void ApplyRecord(app::TMajorForm& form, const TUnitKind& kind, const TKeyRead& read) {
    if (&kind == &kHandsetKind) {
        form.HSRecord = FromWords<hs_xsettings_t>(read.RecordWords());
        MapHSRecordToSettings(form.HSRecord, form);
        return;
    }
    form.GWRecord = FromWords<gw_xsettings_t>(read.RecordWords());
    MapGWRecordToSettings(form.GWRecord, form);
    // A Kesto gateway has neither feature, whatever its record holds.
    if (form.GatewayEdition != kArdexEdition)
        for (const editor::TEditionTick& tick : editor::EditionTicks())
            if (tick.KestoGatewayLacks) (form.*tick.Box).SetChecked(false);
}

void ReadUnitSettings(app::TMajorForm& form) {
    const std::optional<TUnitIdentity> unit = ReadUnitIdentity(form);
    if (!unit || !ShowPagesOfUnit(form, *unit)) return;
    const TUnitKind& kind = KindOnShow(form);
    if (unit->Type != kind.Type) {
        form.Prompter.ShowError(kind.ReadMismatch);
        return;
    }
    if (&kind == &kHandsetKind) {
        SelectEdition(form, unit->Ardex());
        ShowVersion(form, kind, *unit);
    } else {
        form.GatewayEdition = unit->Edition;
        ShowVersion(form, kind, *unit);
        SelectEdition(form, form.GatewayEdition == kArdexEdition);
    }

    const TKeyRead read = ReadKey(form.Connection, kind.RecordKey);
    form.AddLogLine(WordsLine("Read  - ", std::span(read.Words).first(read.Length)));
    if (!read.Ok) {
        form.Prompter.ShowError(kind.ReadFailure);
        return;
    }
    ApplyRecord(form, kind, read);
    form.Prompter.ShowNote(kind.ReadSuccess);
}

}  // namespace
}  // namespace records

namespace app {

// The connection stays open while the outcome is shown and is closed on every path.
void TMajorForm::ReadDeviceButtonClick() {
    if (!DetectDevice()) return;
    Connection.OpenConnection();
    records::ReadUnitSettings(*this);
    Connection.CloseConnection();
}

}  // namespace app
