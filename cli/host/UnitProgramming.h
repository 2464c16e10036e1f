#pragma once
// Programming the unit on the link with what the window holds: identification, the
// page set of the unit's kind, PROGRAM DEVICE, and on request the record read back and
// compared word by word with the one written.

#include <optional>
#include <string>

#include "cli/host/CommandSession.h"
#include "cli/host/DeviceOutcome.h"
#include "records/UnitIdentity.h"

namespace cli {

struct TProgramOptions {
    bool Restart = false;
    bool Verify = false;
};

struct TUnitResult {
    TOutcome Outcome = TOutcome::NoUnit;
    std::string Message;                         // what told the failure
    bool MessageWasPrompt = false;               // the window showed it already
    std::optional<records::TUnitIdentity> Unit;  // once the unit-type key was read
};

// The caller has loaded the settings file. With Verify, the restart question is answered
// No and the unit is restarted through RESTART DEVICE only after its record read back
// right, so that the read-back never meets a unit that is starting up.
TUnitResult ProgramUnit(TCommandSession& session, const TProgramOptions& options);

}  // namespace cli
