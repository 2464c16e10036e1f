#pragma once
// Programming one unit with a settings file, the same for a single `zenta program` and
// for each unit of a production run: a window of its own loads the file and runs
// PROGRAM DEVICE once, told to write the record of the unit's own kind. On request the
// same connection reads the unit's record first and saves it as a backup before the
// write, and reads the record back after it and compares it word by word with the one
// written.

#include <optional>
#include <span>
#include <string>

#include "cli/host/CommandSession.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/TransportChoice.h"

namespace cli {

// Where a command programs: the transport named on its line (else the window's own
// choice), and the folder that takes each unit's backup first (else none is taken).
struct TUnitPlace {
    std::optional<TChosenTransport> Transport;
    std::optional<std::string> BackupFolder;
};

struct TProgramOptions {
    bool Restart = false;  // the answer to the restart question
    bool Verify = false;
    // The chip name read by the look at the link that found the unit, which was then its
    // chip check; without one, PROGRAM DEVICE makes its own.
    std::optional<std::string> CheckedChip{};
};

struct TProgramming {
    app::TDeviceResult Result;
    bool Told = false;       // a prompt on the message stream told the failure
    std::string BackupPath;  // the backup saved; empty when none was
};

// Whether the record read back after a write holds the very words written: nothing when
// it does, else why not (VerifyFailed, or ReadFailed when it could not be read).
std::optional<app::TStepProblem> ReadBackProblem(std::span<const std::uint16_t> written,
                                                 const records::TKeyRead& readBack);

// The window's prompts become messages, except that a unit being backed up keeps them
// quiet until its backup is saved, as a backup window of its own would.
TProgramming ProgramUnit(const TFileSnapshot& file, const TProgramOptions& options, const TUnitPlace& place,
                         devlink::IChipLibrary& library, const TPlatform& platform);

}  // namespace cli
