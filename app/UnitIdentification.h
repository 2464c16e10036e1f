#pragma once
// The steps the device actions share: identification on an open connection, the link
// between unit kinds and the editor's page sets, and the error prompt that ends an action.

#include "app/ActionContext.h"
#include "app/ActionResult.h"
#include "records/UnitIdentity.h"

namespace app {

// Reads the unit-type and version keys: Succeeded with the unit, or ReadFailed after the
// "Fail to read pskey" prompt when the unit type cannot be read. An unreadable version
// counts as version 0.
TDeviceResult ReadUnitIdentity(TDeviceContext& context);

// The chip check, then the unit-type and version keys on a connection of its own, as
// every device action begins: Succeeded with the unit, or what stopped it.
TDeviceResult IdentifyUnit(TDeviceContext& context);

// The unit kind whose pages are on show.
const records::TUnitKind& KindOnShow(const editor::TSettingsEditor& settings);
// The pages of the unit's kind; null for a unit this programmer does not serve.
ui::TTabSheet* PagesOfUnit(editor::TSettingsEditor& settings, const records::TUnitIdentity& unit);

// The version text to the log and to the kind's label; the other label is emptied.
void ShowVersion(TDeviceContext& context, const records::TUnitKind& kind, const records::TUnitIdentity& unit);

// Ends an action with an error prompt: the result so far, with the outcome and the
// message that told it.
TDeviceResult ShowFailure(TDeviceContext& context, TDeviceResult result, TDeviceOutcome outcome, std::string message);

}  // namespace app
