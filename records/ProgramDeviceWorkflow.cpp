// PROGRAM DEVICE: write the settings on show to a unit of the kind on show, then offer
// to restart it.

#include "app/MajorForm.h"
#include "editor/SettingsTables.h"
#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "records/Identification.h"
#include "records/KeyTransfer.h"

namespace records {
namespace {

void ApplyEdition(app::TMajorForm& form, bool ardex) {
    if (ardex)
        form.ApplyArdexEdition();
    else
        form.ApplyKestoEdition();
}

TRecordWords BuildHandsetRecord(app::TMajorForm& form, const TUnitIdentity& unit) {
    ApplyEdition(form, unit.Ardex());
    ShowVersion(form, kHandsetKind, unit);
    form.HSRecord = MapSettingsToHSRecord(form);
    return ToWords(form.HSRecord);
}

TRecordWords BuildGatewayRecord(app::TMajorForm& form, const TUnitIdentity& unit) {
    form.GatewayEdition = unit.Edition;
    ApplyEdition(form, unit.Ardex());
    ShowVersion(form, kGatewayKind, unit);
    if (form.GatewayEdition != kArdexEdition) {
        for (const editor::TEditionTick& tick : editor::EditionTicks()) {
            if (!tick.KestoGatewayLacks) continue;
            (form.*tick.Box).Enabled = false;
            (form.*tick.Box).SetChecked(false);
        }
    }
    // Every unit's Radio PTT line is wired the same, whatever the editor showed.
    form.FixRadioPTTLine();
    form.GWRecord = MapSettingsToGWRecord(form);
    return ToWords(form.GWRecord);
}

void ProgramUnit(app::TMajorForm& form) {
    const std::optional<TUnitIdentity> unit = ReadUnitIdentity(form);
    if (!unit) return;
    const TUnitKind& kind = KindOnShow(form);
    if (unit->Type != kind.Type) {
        form.Prompter.ShowError(kind.ProgramMismatch);
        return;
    }
    const TRecordWords words =
        &kind == &kHandsetKind ? BuildHandsetRecord(form, *unit) : BuildGatewayRecord(form, *unit);
    form.AddLogLine(WordsLine("Write - ", words));
    if (form.Connection.WritePSKey(kind.RecordKey, words.data(), kRecordWords) != 1) {
        form.Prompter.ShowError(kind.WriteFailure);
        return;
    }
    const int answer = form.Prompter.ShowPrompt(kind.WriteSuccess, "NOTE", app::mtInformation,
                                                app::ButtonSet({app::bkYes, app::bkNo}), 2);
    if (answer == app::mrYes) form.Connection.Restart();
}

}  // namespace
}  // namespace records

namespace app {

// The restart question is answered while the connection is still open, since the
// restart goes over it; the connection is closed on every path.
void TMajorForm::ProgramDeviceButtonClick() {
    if (!DetectDevice()) return;
    Connection.OpenConnection();
    records::ProgramUnit(*this);
    Connection.CloseConnection();
}

}  // namespace app
