#pragma once
// A copy of a unit's settings taken before anything is written to it: the record read
// from the unit shown in a window of its own as READ DEVICE shows it, then SAVE FILE into
// the backup folder. Programming that file puts the unit back as it was.

#include <optional>
#include <span>
#include <string>

#include "cli/host/CommandSession.h"
#include "records/UnitKind.h"

namespace cli {

// Where a backup was saved, or why it was not.
struct TBackupResult {
    std::string Path;                    // the file saved
    std::optional<std::string> Problem;  // what kept it from being saved
};

// Empty when the folder takes new files (it is created when missing), else why not.
std::optional<std::string> BackupFolderProblem(const std::string& folder);

// "20261208-071502-CSR0-handset.wpx": date and time, then the adapter's port name with
// every run of characters other than letters and digits turned into one "-", so that
// the name is a plain file name on every system.
std::string BackupFileName(const ui::TLocalTime& time, const std::string& adapter, const std::string& kind);

// The unit's settings, as READ DEVICE shows the record read from it (`record`, with
// the unit's identity), saved as a new file in `folder` under BackupFileName with "-2",
// "-3", ... added when that name is taken. The window that shows and saves them is one of
// its own, over a replica of the unit: the unit itself is not reached again.
TBackupResult SaveBackup(const records::TUnitIdentity& unit, const records::TUnitKind& kind,
                         std::span<const std::uint16_t> record, const std::string& adapter, const TPlatform& platform,
                         const std::string& folder);

}  // namespace cli
