#pragma once
// A copy of a unit taken before anything is written to it: its record words exactly as
// read, with the settings READ DEVICE shows for them, in one settings file that LOAD FILE
// takes and `zenta restore` writes back word for word.

#include <cstdint>
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

// "20261208-071502-BENCH1-CSR0-handset.wpx": date and time, the computer's name and the
// adapter's port name, each with every run of characters other than letters and digits
// turned into one "-", so that the name is a plain file name on every system and benches
// that share a folder never pick one another's names.
std::string BackupFileName(const ui::TLocalTime& time, const std::string& bench, const std::string& adapter,
                           const std::string& kind);

// The backup's bytes: the settings as READ DEVICE shows the record, as SAVE FILE writes
// them, and the unit's identity and every word read. Only a read of the kind's whole
// record makes one; otherwise nothing, with the reason in `problem`.
std::optional<std::string> BackupText(const records::TUnitIdentity& unit, const records::TUnitKind& kind,
                                      std::span<const std::uint16_t> record, std::string& problem);

// A new file in `folder` named `name`, or with "-2", "-3", ... added to its stem where
// that name is taken: each name is claimed by creating the file, never by looking first,
// so a backup never replaces another, also of another bench writing at the same moment.
TBackupResult CreateBackupFile(const std::string& folder, const std::string& name, const std::string& text);

// The backup of the unit as read (`record`, with the unit's identity), saved in `folder`
// under BackupFileName for this computer. The unit is not reached again.
TBackupResult SaveBackup(const records::TUnitIdentity& unit, const records::TUnitKind& kind,
                         std::span<const std::uint16_t> record, const std::string& adapter, const TPlatform& platform,
                         const std::string& folder);

}  // namespace cli
