#pragma once
// The exit codes of the commands: one table, from which each command's --help lists the
// codes it gives and against which docs/cli.md's table is checked.

#include <span>
#include <string>
#include <string_view>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;       // diff: the files differ; check: something to report
inline constexpr int kExitBenchUnusable = 1;  // sim: the bench's state file cannot be read or written
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFileError = 3;       // a settings file cannot be read or saved
inline constexpr int kExitNoUnit = 4;          // no unit answers on the link
inline constexpr int kExitRefused = 5;         // a unit this programmer does not serve, or not of the kind asked for
inline constexpr int kExitReadFailed = 6;      // a PS key of the unit cannot be read
inline constexpr int kExitWriteFailed = 7;     // the record write failed, or the unit holds other words afterwards
inline constexpr int kExitUnitsFailed = 8;     // a production run in which at least one unit failed
inline constexpr int kExitBackupFailed = 9;    // the unit's settings could not be read and saved before programming
inline constexpr int kExitRecordFailed = 10;   // a production run stopped: an entry could not be appended to its record
inline constexpr int kExitRecordDamaged = 11;  // log: a record holds pieces that are no unit's entry
inline constexpr int kExitChainBroken = 12;    // log --check: a line of a record edited, deleted, put in or moved
inline constexpr int kExitInterrupted = 130;   // a production run ended by Ctrl-C

struct TExitCode {
    int Code;
    const char* Meaning;   // as docs/cli.md's table gives it
    const char* Commands;  // "diff, check, program --count", or "all"
};

std::span<const TExitCode> ExitCodeTable();

// The codes a command gives, one line each, for the footer of its --help.
std::string ExitCodesOf(std::string_view command);

}  // namespace cli
