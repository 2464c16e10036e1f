// PROGRAM DEVICE: write the settings on show to a unit of the kind on show, then offer
// to restart it.

#include "app/UnitIdentification.h"
#include "app/UserActions.h"
#include "editor/SettingsTables.h"
#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "records/KeyTransfer.h"

namespace app {
namespace {

using records::TRecordWords;
using records::TUnitIdentity;

void ApplyEdition(editor::TSettingsEditor& settings, bool ardex) {
    if (ardex)
        settings.ApplyArdexEdition();
    else
        settings.ApplyKestoEdition();
}

TRecordWords BuildHandsetRecord(TDeviceContext& context, const TUnitIdentity& unit) {
    ApplyEdition(context.Editor, unit.Ardex());
    ShowVersion(context, records::kHandsetKind, unit);
    context.HSRecord = records::MapSettingsToHSRecord(context.Editor);
    return records::ToWords(context.HSRecord);
}

TRecordWords BuildGatewayRecord(TDeviceContext& context, const TUnitIdentity& unit) {
    editor::TSettingsEditor& settings = context.Editor;
    context.GatewayEdition = unit.Edition;
    ApplyEdition(settings, unit.Ardex());
    ShowVersion(context, records::kGatewayKind, unit);
    if (context.GatewayEdition != records::kArdexEdition) {
        for (const editor::TEditionTick& tick : editor::EditionTicks()) {
            if (!tick.KestoGatewayLacks) continue;
            (settings.*tick.Box).Enabled = false;
            (settings.*tick.Box).SetChecked(false);
        }
    }
    // Every unit's Radio PTT line is wired the same, whatever the editor showed.
    settings.FixRadioPTTLine();
    context.GWRecord = records::MapSettingsToGWRecord(settings);
    return records::ToWords(context.GWRecord);
}

TDeviceResult ProgramUnit(TDeviceContext& context) {
    TDeviceResult result = ReadUnitIdentity(context);
    if (result.Outcome != TDeviceOutcome::Succeeded) return result;
    const TUnitIdentity unit = *result.Unit;
    const records::TUnitKind& kind = KindOnShow(context.Editor);
    if (unit.Type != kind.Type) {
        result.Refusal = TRefusal::OtherKind;
        return ShowFailure(context, std::move(result), TDeviceOutcome::Refused, kind.ProgramMismatch);
    }
    const TRecordWords words =
        &kind == &records::kHandsetKind ? BuildHandsetRecord(context, unit) : BuildGatewayRecord(context, unit);
    result.Kind = &kind;
    result.Words.assign(words.begin(), words.end());
    context.Log.AddLogLine(records::WordsLine("Write - ", words));
    if (context.Connection.WritePSKey(kind.RecordKey, words.data(), records::kRecordWords) != 1)
        return ShowFailure(context, std::move(result), TDeviceOutcome::WriteFailed, kind.WriteFailure);
    result.Message = kind.WriteSuccess;
    const int answer = context.Prompter.ShowPrompt(kind.WriteSuccess, "NOTE", ui::mtInformation,
                                                   ui::ButtonSet({ui::bkYes, ui::bkNo}), 2);
    if (answer == ui::mrYes) context.Connection.Restart();
    return result;
}

}  // namespace

// The restart question is answered while the connection is still open, since the
// restart goes over it; the connection is closed on every path.
TDeviceResult ProgramDevice(TDeviceContext& context) {
    TDeviceResult detected = DetectDevice(context);
    if (detected.Outcome != TDeviceOutcome::Succeeded) return detected;
    context.Connection.OpenConnection();
    TDeviceResult result = ProgramUnit(context);
    context.Connection.CloseConnection();
    return result;
}

}  // namespace app
