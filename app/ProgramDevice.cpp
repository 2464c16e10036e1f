// PROGRAM DEVICE: write the settings on show to a unit of the kind on show, then offer
// to restart it.

#include "app/UnitIdentification.h"
#include "app/UserActions.h"
#include "records/KeyTransfer.h"

namespace app {
namespace {

using records::TUnitIdentity;
using records::TUnitKind;

const TUnitKind& KindToWrite(const TDeviceContext& context, const TUnitIdentity& unit, bool followUnit) {
    const TUnitKind* unitKind = followUnit ? records::KindOfType(unit.Type) : nullptr;
    return unitKind != nullptr ? *unitKind : records::KindOnShow(context.Editor);
}

TDeviceResult ProgramUnit(TDeviceContext& context, const TProgramRequest& request) {
    TDeviceResult result = ReadUnitIdentity(context);
    if (result.Outcome != TDeviceOutcome::Succeeded) return result;
    const TUnitIdentity unit = *result.Unit;
    const TUnitKind& kind = KindToWrite(context, unit, request.FollowUnit);
    if (unit.Type != kind.Type) {
        result.Refusal = TRefusal::OtherKind;
        return ShowFailure(context, std::move(result), TDeviceOutcome::Refused, kind.ProgramMismatch);
    }
    result.Kind = &kind;
    if (request.BeforeWrite) {
        const records::TKeyRead record = records::ReadKey(context.Connection, kind.RecordKey);
        if (auto problem = request.BeforeWrite(result, record)) return EndWith(std::move(result), std::move(*problem));
    }
    ShowVersion(context, kind, unit);
    if (request.Words) {
        result.Words = *request.Words;
    } else {
        const records::TRecordWords built = records::RecordForUnit(kind, unit, context.Units, context.Editor);
        result.Words.assign(built.begin(), built.end());
    }
    const std::vector<std::uint16_t>& words = result.Words;
    context.Log.AddLogLine(records::WordsLine("Write - ", words));
    if (context.Connection.WritePSKey(kind.RecordKey, words.data(), static_cast<std::uint16_t>(words.size())) != 1)
        return ShowFailure(context, std::move(result), TDeviceOutcome::WriteFailed, kind.WriteFailure);
    if (request.AfterWrite) {
        const records::TKeyRead readBack = records::ReadKey(context.Connection, kind.RecordKey);
        if (auto problem = request.AfterWrite(words, readBack)) return EndWith(std::move(result), std::move(*problem));
    }
    result.Message = kind.WriteSuccess;
    result.Prompted = true;
    const int answer = context.Prompter.ShowPrompt(kind.WriteSuccess, "NOTE", ui::mtInformation,
                                                   ui::ButtonSet({ui::bkYes, ui::bkNo}), 2);
    if (answer == ui::mrYes) context.Connection.Restart();
    return result;
}

}  // namespace

// The restart question is answered while the connection is still open, since the
// restart goes over it; the connection is closed on every path.
TDeviceResult ProgramDevice(TDeviceContext& context, const TProgramRequest& request) {
    TDeviceResult detected = request.CheckedChip ? JudgeChip(context, *request.CheckedChip) : DetectDevice(context);
    if (detected.Outcome != TDeviceOutcome::Succeeded) return detected;
    context.Connection.OpenConnection();
    TDeviceResult result = ProgramUnit(context, request);
    context.Connection.CloseConnection();
    return result;
}

}  // namespace app
