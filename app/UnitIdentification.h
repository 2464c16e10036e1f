#pragma once
// The steps the device actions share: identification on an open connection, the version
// text of the unit identified, and the error prompt that ends an action.

#include "app/ActionContext.h"
#include "app/ActionResult.h"
#include "records/UnitKind.h"

namespace app {

// Reads the unit-type and version keys: Succeeded with the unit, or ReadFailed after the
// "Fail to read pskey" prompt when the unit type cannot be read. An unreadable version
// counts as version 0.
TDeviceResult ReadUnitIdentity(TDeviceContext& context);

// The version text to the log and to the kind's label; the other kind's label is emptied.
void ShowVersion(TDeviceContext& context, const records::TUnitKind& kind, const records::TUnitIdentity& unit);

// Ends an action with an error prompt: the result so far, with the outcome and the
// message that told it.
TDeviceResult ShowFailure(TDeviceContext& context, TDeviceResult result, TDeviceOutcome outcome, std::string message);

// Ends an action with a problem of a step the driver asked for, which no prompt tells.
TDeviceResult EndWith(TDeviceResult result, TStepProblem problem);

}  // namespace app
