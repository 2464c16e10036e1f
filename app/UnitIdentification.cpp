#include "app/UnitIdentification.h"

#include "app/UserActions.h"
#include "records/KeyTransfer.h"

namespace app {

TDeviceResult ReadUnitIdentity(TDeviceContext& context) {
    const records::TKeyRead type = records::ReadKey(context.Connection, records::PSKEY_UNIT_TYPE);
    if (!type.Ok) return ShowFailure(context, {}, TDeviceOutcome::ReadFailed, records::kUnitTypeUnreadable);
    const records::TKeyRead version = records::ReadKey(context.Connection, records::PSKEY_SW_VERSION);
    TDeviceResult identified{.Outcome = TDeviceOutcome::Succeeded};
    identified.Unit = records::IdentityOf(type.Words[0], version.Ok ? version.Words[0] : 0);
    return identified;
}

void ShowVersion(TDeviceContext& context, const records::TUnitKind& kind, const records::TUnitIdentity& unit) {
    const std::string text = records::VersionText(kind, unit);
    context.Log.AddLogLine(text);
    context.Units.HSSwVersionLabel.Caption.clear();
    context.Units.GWSwVersionLabel.Caption.clear();
    (context.Units.*kind.VersionLabel).Caption = text;
}

TDeviceResult ShowFailure(TDeviceContext& context, TDeviceResult result, TDeviceOutcome outcome, std::string message) {
    context.Prompter.ShowError(message);
    result.Outcome = outcome;
    result.Message = std::move(message);
    result.Prompted = true;
    return result;
}

TDeviceResult EndWith(TDeviceResult result, TStepProblem problem) {
    result.Outcome = problem.Outcome;
    result.Message = std::move(problem.Message);
    result.Prompted = false;
    return result;
}

}  // namespace app
