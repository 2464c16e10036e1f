#pragma once
// The window's user actions, each on the narrow context it needs and each telling what
// it did. A device action opens its own connection and closes it before it returns; a
// file action opens its file and closes it likewise.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/ActionContext.h"
#include "app/ActionResult.h"
#include "files/ShownSettings.h"
#include "records/KeyTransfer.h"

namespace app {

// The chip check every device action starts with: Succeeded when a unit with the right
// chip answered, else NoUnit or ForeignChip after the prompt that says so. The caller
// ends the program after a foreign chip.
TDeviceResult DetectDevice(TDeviceContext& context);
// The second half of the chip check, on a chip name already read from an open link.
TDeviceResult JudgeChip(TDeviceContext& context, std::string chipName);

TDeviceResult ReadDevice(TDeviceContext& context);

// How PROGRAM DEVICE runs. The window's button runs it with none of this: the kind of
// the pages on show, a chip check of its own, nothing read beyond the identification. A
// driver of the window may ask for more, all of it on the action's one connection.
struct TProgramRequest {
    // Write the record of the unit's own kind, as READ DEVICE follows the unit; a unit of
    // neither kind is still refused with the message of the pages on show.
    bool FollowUnit = false;
    // The chip name read when a look at the link found the unit: that look was the chip
    // check, and none is made again.
    std::optional<std::string> CheckedChip{};
    // The very words to write in place of the record built from the settings, a unit's
    // backup put back as it was read; the settings and the edition are left alone.
    std::optional<std::vector<std::uint16_t>> Words{};
    // Reads the unit's record twice before the write and hands both reads over, so that a
    // read that reported other words than the unit holds can be told; the write goes
    // ahead only when no problem comes back.
    std::function<std::optional<TStepProblem>(const TDeviceResult& identified, const records::TKeyRead& record,
                                              const records::TKeyRead& again)>
        BeforeWrite{};
    // Reads the record back after a good write and hands it over with the words written,
    // before the restart question; a problem ends the action without the question, so a
    // unit is never restarted with a record that is not right.
    std::function<std::optional<TStepProblem>(std::span<const std::uint16_t> written,
                                              const records::TKeyRead& readBack)>
        AfterWrite{};
    // The answer to the restart question, given by the driver: the question is not asked.
    std::optional<bool> Restart{};
};

TDeviceResult ProgramDevice(TDeviceContext& context, const TProgramRequest& request = {});
// Sends the restart unchecked and shows nothing; Succeeded when the link opened.
TDeviceResult RestartDevice(TDeviceContext& context);

TFileResult SaveFile(TFileContext& context);
TFileResult LoadFile(TFileContext& context);
// LOAD FILE for a file the shell named instead of one chosen in the dialog: the same
// rules, reactions and message; the dialog then starts with that name.
TFileResult LoadNamedFile(TFileContext& context, const std::string& path);

// Compare with File: a settings file chosen in LOAD FILE's dialog and read as LOAD FILE
// reads it (with its message when it cannot be opened), and the settings the editor
// holds otherwise than LOAD FILE would leave them. The editor is not touched.
struct TFileComparison {
    TFileResult File{};
    std::vector<files::TDifference> Differences{};
};
TFileComparison CompareWithFile(TFileContext& context);

// Save Configuration Sheet: the printable sheet of the settings of the unit kind on show,
// as `zenta report` makes it, saved where the user names in its own dialog, which
// suggests the kind and today's date as the name, in the folder of the sheet saved last.
// A saved sheet is offered to be opened for reading or printing. The settings are not
// touched.
TFileResult SaveConfigurationSheet(TSheetContext& context);

}  // namespace app
