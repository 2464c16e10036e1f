// `zenta program FILE.wpx`: LOAD FILE, then PROGRAM DEVICE on the attached unit for its
// own kind; with --count, a production run over many units.

#include <charconv>
#include <chrono>
#include <cmath>
#include <iostream>

#include "cli/commands/UnitText.h"
#include "cli/framework/CommandLine.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/LoadedFile.h"
#include "cli/host/UnitAccess.h"
#include "cli/host/UnitBackup.h"
#include "cli/host/UnitProgramming.h"
#include "cli/production/ProductionRun.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta program [--restart] [--verify] [--transport T] [--backup DIR] FILE.wpx\n"
    "       zenta program [--restart] --count N [--transport T]... [--backup DIR] [--log RECORD]\n"
    "                     [--call-timeout SECONDS] FILE.wpx\n"
    "Loads the settings file into the window (LOAD FILE) and runs PROGRAM DEVICE for the\n"
    "attached unit's kind. The window's prompts become messages on standard error;\n"
    "--restart answers its restart question with Yes. --verify reads the record back on\n"
    "the same connection and compares it word by word with what was written (the restart\n"
    "question follows a good read-back). Nothing is written unless the whole file was read.\n"
    "--count N is a production run: the file is checked once (as zenta check does, and\n"
    "refused when anything is found); then for each of N units the run waits for it to\n"
    "appear on the link, programs and verifies it, prints one line (time, number, kind,\n"
    "version, edition, result) and waits for it to go. A failed unit does not stop the\n"
    "run; Ctrl-C ends it between units, a second Ctrl-C at once. A summary line ends it.\n"
    "--log RECORD appends one JSON line per unit to the production record RECORD, flushed\n"
    "to the disk before the unit counts (see zenta log). A library call that has not\n"
    "returned within --call-timeout SECONDS (default 30) fails its adapter.\n"
    "--transport programs the unit on that transport (see zenta transports). --backup\n"
    "first reads each unit's settings, on the same connection, and saves them in DIR as\n"
    "DATE-TIME-ADAPTER-KIND.wpx; a unit whose settings cannot be saved is not programmed.\n"
    "A production run takes --transport more than once, or --transport all, to program on\n"
    "those adapters at the same time, a worker process each; its lines name the adapter.\n"
    "Exit status: 0 programmed, 1 a production run's file has findings, 2 bad usage,\n"
    "3 the file cannot be read, 4 no unit, 5 unit refused, 6 reading the unit failed,\n"
    "7 write failed or read back other words, 8 a production run with a failed unit,\n"
    "9 the unit's backup failed, 10 a production run's record took no entry, 130 a\n"
    "production run ended by Ctrl-C. See docs/cli.md.\n";

std::chrono::milliseconds CallTimeoutOf(const std::string& text) {
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || !(seconds >= 0.001 && seconds <= 86400))
        throw TUsageError("--call-timeout needs a number of seconds from 0.001 to 86400, not " + text);
    return std::chrono::milliseconds(std::llround(seconds * 1000));
}

int CountOf(const std::string& text) {
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < 1)
        throw TUsageError("--count needs a whole number of at least 1, not " + text);
    return count;
}

int ProgramOnce(const TFileSnapshot& file, const TProgramOptions& options, const TUnitPlace& place,
                devlink::IChipLibrary& library, TCommandContext& context) {
    const TProgramming programming =
        ProgramUnit(file, options, place, library, TPlatform{context.Clock, context.Sleeper, context.Err});
    if (!programming.BackupPath.empty()) context.Out << "backup saved to " << programming.BackupPath << '\n';
    const app::TDeviceResult& result = programming.Result;
    if (result.Outcome == app::TDeviceOutcome::Succeeded) {
        const TUnitText unit = DescribeUnit(*result.Unit);
        context.Out << "programmed " << unit.Kind << ' ' << unit.Version << ' ' << unit.Edition
                    << (options.Verify ? ", verified" : "") << '\n';
    }
    return FinishDeviceCommand("program", result, programming.Told, library, context);
}

}  // namespace

int RunProgramCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("program", kUsage);
    TProgramOptions options;
    std::optional<std::string> count;
    std::optional<std::string> log;
    std::optional<std::string> callTimeout;
    std::vector<std::string> transports;
    std::optional<std::string> backup;
    bool worker = false;
    std::string path;
    line.Flag("--restart", options.Restart);
    line.Flag("--verify", options.Verify);
    line.Option("--count", count);
    line.Option("--log", log);
    line.Option("--call-timeout", callTimeout);
    line.Options("--transport", transports);
    line.Flag("--worker", worker);
    line.Option("--backup", backup);
    line.Positional("FILE.wpx", path);
    return line.Run(args, context, [&] {
        const int units = count ? CountOf(*count) : 0;
        if (log && !count) throw TUsageError("--log belongs to a production run (--count N)");
        if (callTimeout && !count) throw TUsageError("--call-timeout belongs to a production run (--count N)");
        const auto file = worker ? nullptr : ReadSnapshot(path, "program", context);
        if (!file && !worker) return kExitFileError;
        devlink::IChipLibrary* library = ReachUnitLibrary("program", context);
        if (library == nullptr) return kExitNoUnit;
        if (worker && (!count || transports.size() != 1 || transports.front() == "all"))
            throw TUsageError("--worker belongs to a run over several adapters");
        // A worker resolves its transport itself, with its library calls watched.
        const std::vector<TChosenAdapter> adapters =
            worker ? std::vector<TChosenAdapter>() : ResolveAdapters(*library, transports);
        if (adapters.size() > 1 && !count)
            throw TUsageError("several transports belong to a production run (--count N)");
        const TUnitPlace place{adapters.empty() ? std::nullopt : std::optional(adapters.front().Transport), backup};
        if (backup) {
            if (const auto problem = BackupFolderProblem(*backup)) {
                context.Err << "zenta program: cannot write backups to " << *backup << ": " << *problem << '\n';
                return kExitFileError;
            }
        }
        TProductionOptions production{units, options.Restart, place, log.value_or("")};
        if (callTimeout) production.CallTimeout = CallTimeoutOf(*callTimeout);
        if (worker) return RunProductionWorker(path, transports.front(), production, *library, context, std::cin);
        if (adapters.size() > 1) return RunProductionOverAdapters(file, production, adapters, context);
        if (count) return RunProduction(file, production, *library, context);
        return ProgramOnce(*file, options, place, *library, context);
    });
}

}  // namespace cli
