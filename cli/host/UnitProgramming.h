#pragma once
// Programming one unit with a settings file, the same for a single `zenta program` and
// for each unit of a production run: a settings editor of its own loads the file as LOAD
// FILE does and PROGRAM DEVICE runs once, told to write the record of the unit's own kind
// and given the answer to its restart question. On request the
// same connection reads the unit's record first and saves it as a backup before the
// write, and reads the record back after it and compares it word by word with the one
// written.

#include <optional>
#include <span>
#include <string>

#include "cli/host/DeviceSession.h"
#include "cli/host/FileSnapshot.h"
#include "link/TransportChoice.h"

namespace cli {

// Where a command programs: the transport named on its line (else the window's own
// choice), and the folder that takes each unit's backup first (else none is taken).
struct TUnitPlace {
    std::optional<devlink::TChosenTransport> Transport;
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
    // report::RecordSha256 of the record read back after the write, also when it differs
    // from the one written.
    std::optional<std::string> ReadBackSha256;
};

// Whether the record read back after a write holds the very words written: nothing when
// it does, else why not (VerifyFailed, or ReadFailed when it could not be read).
std::optional<app::TStepProblem> ReadBackProblem(std::span<const std::uint16_t> written,
                                                 const records::TKeyRead& readBack);

// The prompts become messages, except that a unit being backed up keeps them quiet until
// its backup is saved.
TProgramming ProgramUnit(const TFileSnapshot& file, const TProgramOptions& options, const TUnitPlace& place,
                         devlink::IChipLibrary& library, const TPlatform& platform);

}  // namespace cli
