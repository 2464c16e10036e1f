#pragma once
// A copy of a unit's settings taken before anything is written to it: READ DEVICE in a
// window of its own, then SAVE FILE into the backup folder. Programming that file puts
// the unit back as it was.

#include <optional>
#include <string>

#include "cli/host/CommandSession.h"
#include "cli/host/DeviceOutcome.h"
#include "cli/host/TransportChoice.h"
#include "records/UnitIdentity.h"

namespace cli {

// Where a command programs: the transport named on its line (else the window's own
// choice), and the folder that takes each unit's backup first (else none is taken).
struct TUnitPlace {
    std::optional<TChosenTransport> Transport;
    std::optional<std::string> BackupFolder;
};

struct TBackupResult {
    TOutcome Outcome = TOutcome::NoUnit;
    std::string Message;                         // what told the failure
    std::string Path;                            // the file saved
    std::optional<records::TUnitIdentity> Unit;  // once the unit-type key was read
};

// Empty when the folder takes new files (it is created when missing), else why not.
std::optional<std::string> BackupFolderProblem(const std::string& folder);

// "20261208-071502-CSR0-handset.wpx": date and time, then the adapter's port name with
// every run of characters other than letters and digits turned into one "-", so that
// the name is a plain file name on every system.
std::string BackupFileName(const ui::TLocalTime& time, const std::string& adapter, const std::string& kind);

// The unit's settings saved as a new file in `folder`, under BackupFileName with "-2",
// "-3", ... added when that name is taken. A unit that is missing or that this
// programmer does not serve keeps that outcome; a record that cannot be read or a file
// that cannot be saved is a failed backup.
TBackupResult BackUpUnit(devlink::IChipLibrary& library, const TPlatform& platform,
                         const std::optional<TChosenTransport>& transport, const std::string& folder);

}  // namespace cli
