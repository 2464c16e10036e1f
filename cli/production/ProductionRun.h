#pragma once
// A production run: one settings file brought to many units, one after the other. The
// file is checked once before the first unit; then for each unit the run waits for it to
// appear on the link, programs and verifies it, reports it in one line and waits for it
// to go. A failed unit does not stop the run; Ctrl-C ends it between two units.

#include <memory>
#include <string>

#include "cli/framework/CommandContext.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/UnitBackup.h"

namespace cli {

inline constexpr unsigned kLinkPollMs = 500;

struct TProductionOptions {
    int Count = 1;
    bool Restart = false;
    TUnitPlace Place;
    std::string LogPath;  // the production record to append to; none when empty
};

// The exit code: 0 every unit programmed, kExitUnitsFailed when one failed,
// kExitInterrupted after Ctrl-C, kExitFindings when the check of the file found anything
// (then nothing is programmed), kExitFileError when the window cannot load it or the
// record cannot be appended to.
int RunProduction(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options, devlink::IChipLibrary& library,
                  TCommandContext& context);

}  // namespace cli
