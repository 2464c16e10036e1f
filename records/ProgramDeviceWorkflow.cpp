// PROGRAM DEVICE: write the settings on show to a unit of the kind on show, then offer
// to restart it.

#include "app/MajorForm.h"
#include "editor/ListText.h"
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

// The gateway's Radio PTT line is wired the same on every unit, so every write sets it
// to Output, Low, "Radio PTT", pulse 0, whatever the editor showed.
void FixRadioPTTLine(app::TMajorForm& form) {
    const editor::TGatewayLine& radioPTT = editor::GatewayLines().front();
    editor::SelectItemContaining(form.GWRadioPTTIOComboBox, "Output");
    editor::SelectItemContaining(form.GWRadioPTTActiveComboBox, "Low");
    form.RebuildFunctionList(radioPTT);
    editor::SelectItemContaining(form.GWRadioPTTFunctionComboBox, "Radio PTT");
    form.GWRadioPTTPulseUpDown.SetPosition(0);
    form.ApplyPulseRange(form.GWRadioPTTFunctionComboBox);
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
        for (ui::TCheckBox* box : {&form.GWMultiOperationalMicsCheckBox, &form.GWPublicAddressModeCheckBox}) {
            box->Enabled = false;
            box->SetChecked(false);
        }
    }
    FixRadioPTTLine(form);
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
    const int answer = form.Prompter.ShowPrompt(kind.WriteSuccess, "NOTE", ui::mtInformation,
                                                ui::ButtonSet({ui::bkYes, ui::bkNo}), 2);
    if (answer == ui::mrYes) form.Connection.Restart();
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
