#pragma once
// What `expect` reads: a property of a named control, and the targets of the window,
// the application, the activity log, the transports and the simulated unit, each as the
// text it is compared as (numbers in decimal, flags as 0 or 1).

#include <optional>
#include <string>
#include <string_view>

#include "script/ScriptSession.h"
#include "ui/Control.h"

namespace script {

// Nothing when the control has no such property.
std::optional<std::string> ControlProperty(const ui::TControl& control, std::string_view property);

// The target's text, or nothing when it names an entry that is not there (a log line
// or transport beyond the last). Throws TScriptError for a target that does not exist.
std::optional<std::string> ReadTarget(TScriptSession& session, std::string_view target);

}  // namespace script
