// READ DEVICE: identify the unit on the link, switch the editor to its pages and
// edition, and bring its settings record into the editor.

#include "app/UnitIdentification.h"
#include "app/UserActions.h"
#include "records/KeyTransfer.h"

namespace app {
namespace {

using records::TUnitIdentity;
using records::TUnitKind;

TDeviceResult Refuse(TDeviceContext& context, TDeviceResult identified, TRefusal refusal, std::string message) {
    identified.Refusal = refusal;
    return ShowFailure(context, std::move(identified), TDeviceOutcome::Refused, std::move(message));
}

// The editor follows the unit; units this programmer does not serve are refused.
TDeviceResult ReadUnitSettings(TDeviceContext& context) {
    TDeviceResult result = ReadUnitIdentity(context);
    if (result.Outcome != TDeviceOutcome::Succeeded) return result;
    const TUnitIdentity unit = *result.Unit;
    const TUnitKind* unitKind = records::KindOfType(unit.Type);
    if (unitKind == nullptr)
        return Refuse(context, std::move(result),
                      records::OfNewerSeries(unit.Type) ? TRefusal::NewerSeries : TRefusal::UnknownUnit,
                      records::ForeignUnitMessage(unit.Type));
    context.Editor.MasterPageControl.SetActivePage(context.Editor.*unitKind->Pages);
    const TUnitKind& kind = records::KindOnShow(context.Editor);
    if (unit.Type != kind.Type) return Refuse(context, std::move(result), TRefusal::OtherKind, kind.ReadMismatch);
    ShowVersion(context, kind, unit);
    records::SelectUnitEdition(kind, unit, context.Units, context.Editor);

    const records::TKeyRead read = records::ReadKey(context.Connection, kind.RecordKey);
    result.Kind = &kind;
    result.Words.assign(read.Words.begin(), read.Words.begin() + read.Length);
    context.Log.AddLogLine(records::WordsLine("Read  - ", result.Words));
    // A failed record read leaves the editor as it was: applying the zero-filled buffer
    // would wipe the user's unsaved edits and put a record on show that no unit holds,
    // ready to be programmed into one.
    if (!read.Ok) return ShowFailure(context, std::move(result), TDeviceOutcome::ReadFailed, kind.ReadFailure);
    records::ApplyUnitRecord(kind, unit, read.RecordWords(), context.Units, context.Editor);
    context.Prompter.ShowNote(kind.ReadSuccess);
    result.Message = kind.ReadSuccess;
    result.Prompted = true;
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
