// READ DEVICE: identify the unit on the link, switch the editor to its pages and
// edition, and bring its settings record into the editor.

#include "app/UnitIdentification.h"
#include "app/UserActions.h"
#include "editor/SettingsTables.h"
#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "records/KeyTransfer.h"

namespace app {
namespace {

using records::TUnitIdentity;
using records::TUnitKind;

TDeviceResult Refuse(TDeviceContext& context, TDeviceResult identified, TRefusal refusal, std::string message) {
    identified.Refusal = refusal;
    return ShowFailure(context, std::move(identified), TDeviceOutcome::Refused, std::move(message));
}

void SelectEdition(editor::TSettingsEditor& settings, bool ardex) {
    (ardex ? settings.butModelArdex : settings.butModelKesto).SetChecked(true);
}

void ShowUnit(TDeviceContext& context, const TUnitKind& kind, const TUnitIdentity& unit) {
    if (&kind == &records::kHandsetKind) {
        SelectEdition(context.Editor, unit.Ardex());
        ShowVersion(context, kind, unit);
        return;
    }
    context.GatewayEdition = unit.Edition;
    ShowVersion(context, kind, unit);
    SelectEdition(context.Editor, context.GatewayEdition == records::kArdexEdition);
}

// A failed record read leaves the editor as it was: applying the zero-filled buffer
// would wipe the user's unsaved edits and put a record on show that no unit holds,
// ready to be programmed into one.
void ApplyRecord(TDeviceContext& context, const TUnitKind& kind, const records::TKeyRead& read) {
    editor::TSettingsEditor& settings = context.Editor;
    if (&kind == &records::kHandsetKind) {
        context.HSRecord = records::FromWords<records::hs_xsettings_t>(read.RecordWords());
        records::MapHSRecordToSettings(context.HSRecord, settings);
        return;
    }
    context.GWRecord = records::FromWords<records::gw_xsettings_t>(read.RecordWords());
    records::MapGWRecordToSettings(context.GWRecord, settings);
    // A Kesto gateway has neither feature, whatever its record holds.
    if (context.GatewayEdition != records::kArdexEdition)
        for (const editor::TEditionTick& tick : editor::EditionTicks())
            if (tick.KestoGatewayLacks) (settings.*tick.Box).SetChecked(false);
}

// The editor follows the unit; units this programmer does not serve are refused.
TDeviceResult ReadUnitSettings(TDeviceContext& context) {
    TDeviceResult result = ReadUnitIdentity(context);
    if (result.Outcome != TDeviceOutcome::Succeeded) return result;
    const TUnitIdentity unit = *result.Unit;
    ui::TTabSheet* pages = PagesOfUnit(context.Editor, unit);
    if (pages == nullptr)
        return Refuse(context, std::move(result),
                      records::OfNewerSeries(unit.Type) ? TRefusal::NewerSeries : TRefusal::UnknownUnit,
                      records::ForeignUnitMessage(unit.Type));
    context.Editor.MasterPageControl.SetActivePage(*pages);
    const TUnitKind& kind = KindOnShow(context.Editor);
    if (unit.Type != kind.Type) return Refuse(context, std::move(result), TRefusal::OtherKind, kind.ReadMismatch);
    ShowUnit(context, kind, unit);

    const records::TKeyRead read = records::ReadKey(context.Connection, kind.RecordKey);
    result.Kind = &kind;
    result.Words.assign(read.Words.begin(), read.Words.begin() + read.Length);
    context.Log.AddLogLine(records::WordsLine("Read  - ", result.Words));
    if (!read.Ok) return ShowFailure(context, std::move(result), TDeviceOutcome::ReadFailed, kind.ReadFailure);
    ApplyRecord(context, kind, read);
    context.Prompter.ShowNote(kind.ReadSuccess);
    result.Message = kind.ReadSuccess;
    return result;
}

}  // namespace

// The connection stays open while the outcome is shown and is closed on every path.
TDeviceResult ReadDevice(TDeviceContext& context) {
    TDeviceResult detected = DetectDevice(context);
    if (detected.Outcome != TDeviceOutcome::Succeeded) return detected;
    context.Connection.OpenConnection();
    TDeviceResult result = ReadUnitSettings(context);
    context.Connection.CloseConnection();
    return result;
}

}  // namespace app
