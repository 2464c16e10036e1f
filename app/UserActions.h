#pragma once
// The window's user actions, each on the narrow context it needs and each telling what
// it did. A device action opens its own connection and closes it before it returns; a
// file action opens its file and closes it likewise.

#include "app/ActionContext.h"
#include "app/ActionResult.h"

namespace app {

// The chip check every device action starts with: Succeeded when a unit with the right
// chip answered, else NoUnit or ForeignChip after the prompt that says so. The caller
// ends the program after a foreign chip.
TDeviceResult DetectDevice(TDeviceContext& context);

TDeviceResult ReadDevice(TDeviceContext& context);
TDeviceResult ProgramDevice(TDeviceContext& context);
// Sends the restart unchecked and shows nothing; Succeeded when the link opened.
TDeviceResult RestartDevice(TDeviceContext& context);

TFileResult SaveFile(TFileContext& context);
TFileResult LoadFile(TFileContext& context);
// LOAD FILE for a file the shell named instead of one chosen in the dialog: the same
// rules, reactions and message; the dialog then starts with that name.
TFileResult LoadNamedFile(TFileContext& context, const std::string& path);

}  // namespace app
