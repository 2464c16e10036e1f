#include "cli/framework/ExitCodes.h"

#include "cli/framework/WrappedText.h"

namespace cli {
namespace {

constexpr TExitCode kExitCodes[] = {
    {kExitOk, "done; files equal; nothing to report", "all"},
    {kExitFindings,
     "the files differ (`diff`); findings (`check`, and a production run's file); the unit holds other settings "
     "than the file gives (`verify`); a check of the script failed (`script`); the simulated bench's state file "
     "cannot be read or written (`sim`); a certificate's job file does not have the SHA-256 recorded, or the words "
     "read "
     "back are not the record it gives the unit (`report --record`)",
     "diff, check, verify, program --count, script, sim, report --record"},
    {kExitUsage,
     "bad usage: unknown option, missing or extra argument, a bad `--count`, an unknown or repeated "
     "`--transport`",
     "all"},
    {kExitFileError,
     "a settings file cannot be read (missing, a folder, unreadable) or saved (`read --output`), or holds no backup "
     "(`restore`) or no setting (`report`); a `--backup` folder that cannot be written; a production record cannot "
     "be appended to (`program --log`) or read (`log`, `report --record`), or has no such entry or none with a "
     "read-back SHA-256 (`report --record`); a sheet cannot be written (`report`)",
     "show, diff, check, read, program, restore, verify, log, report"},
    {kExitNoUnit,
     "no unit: nothing answers on the link (\"ZENTA not detected. ...\"), or the chip libraries cannot be bound "
     "(missing, no library, or of the other bitness, with the build to use)",
     "read, program, restart, restore, verify, transports, report"},
    {kExitRefused, "unit refused: a foreign chip, a unit of the Tavin series or unknown, or a unit of the wrong kind",
     "read, program, restart, restore, verify, report"},
    {kExitReadFailed,
     "a PS key of the unit cannot be read: the unit type (\"Fail to read pskey\"), the record (READ DEVICE), or the "
     "record read back by `--verify` or `restore`",
     "read, program, restore, verify, report"},
    {kExitWriteFailed, "the record write failed, or `--verify` or `restore` read back other words than were written",
     "program, restore"},
    {kExitUnitsFailed, "a production run in which at least one unit failed", "program --count"},
    {kExitBackupFailed, "the unit's backup failed: its settings could not be read or saved, so it was not written",
     "program --backup"},
    {kExitRecordFailed, "a production run stopped: a unit's entry could not be appended to its record (`--log`)",
     "program --count"},
    {kExitRecordDamaged, "a record holds pieces that are no unit's entry", "log"},
    {kExitChainBroken, "a record's chain is broken: a line edited, deleted, put in or moved (`log --check`)", "log"},
    {kExitInterrupted, "a production run ended by Ctrl-C", "program --count"},
};

// "program --count" gives its codes to `program`.
bool Gives(std::string_view commands, std::string_view command) {
    if (commands == "all") return true;
    while (!commands.empty()) {
        const std::string_view entry = commands.substr(0, commands.find(", "));
        if (entry.substr(0, entry.find(' ')) == command) return true;
        commands.remove_prefix(std::min(commands.size(), entry.size() + 2));
    }
    return false;
}

}  // namespace

std::span<const TExitCode> ExitCodeTable() { return kExitCodes; }

std::string ExitCodesOf(std::string_view command) {
    std::string text = "Exit status:\n";
    for (const TExitCode& row : kExitCodes) {
        if (!Gives(row.Commands, command)) continue;
        std::string meaning;
        for (const char c : std::string_view(row.Meaning))
            if (c != '`') meaning += c;
        std::string code = "  " + std::to_string(row.Code);
        code.resize(7, ' ');
        text.append(WrappedText(meaning, code, "       ")).append("\n");
    }
    return text.append("See docs/cli.md.");
}

}  // namespace cli
