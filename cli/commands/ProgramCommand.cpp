// `zenta program FILE.wpx`: LOAD FILE, then PROGRAM DEVICE on the attached unit for its
// own kind; with --count, a production run over many units.

#include <chrono>
#include <cmath>
#include <iostream>

#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/UnitAccess.h"
#include "cli/host/UnitProgramming.h"
#include "cli/production/ProductionRun.h"
#include "records/UnitText.h"
#include "report/UnitBackup.h"

namespace cli {
namespace {

// More units than any run programs, so that a slip of the keyboard is caught.
constexpr int kMostUnits = 1000000;

struct TProgramCommandOptions {
    TProgramOptions Unit;
    std::optional<int> Count;
    std::optional<std::string> Log;
    std::optional<double> CallTimeoutSeconds;
    std::vector<std::string> Transports;
    std::optional<std::string> Backup;
    bool Worker = false;
    std::string Path;
};

int ProgramOnce(const TFileSnapshot& file, const TProgramOptions& options, const TUnitPlace& place,
                devlink::IChipLibrary& library, TCommandContext& context) {
    const TProgramming programming =
        ProgramUnit(file, options, place, library, TPlatform{context.Clock, context.Sleeper, context.Err});
    if (!programming.BackupPath.empty()) context.Out << "backup saved to " << programming.BackupPath << '\n';
    const app::TDeviceResult& result = programming.Result;
    if (result.Outcome == app::TDeviceOutcome::Succeeded) {
        const records::TUnitText unit = records::DescribeUnit(*result.Unit);
        context.Out << "programmed " << unit.Kind << ' ' << unit.Version << ' ' << unit.Edition
                    << (options.Verify ? ", verified" : "") << (options.Restart ? ", restarted" : "") << '\n';
    }
    return FinishDeviceCommand("program", result, programming.Told, library, context);
}

int RunProgram(const TProgramCommandOptions& options, TCommandContext& context) {
    // A worker is given the checked file's bytes by its run, and resolves its transport
    // itself with its library calls watched.
    const auto file = options.Worker ? nullptr : ReadSnapshot(options.Path, "program", context);
    if (!file && !options.Worker) return kExitFileError;
    devlink::IChipLibrary* library = ReachUnitLibrary("program", context);
    if (library == nullptr) return kExitNoUnit;
    if (options.Worker && (options.Transports.size() != 1 || options.Transports.front() == "all"))
        throw TUsageError("--worker belongs to a run over several adapters");
    std::chrono::milliseconds callTimeout = TProductionOptions().CallTimeout;
    if (options.CallTimeoutSeconds)
        callTimeout = std::chrono::milliseconds(std::llround(*options.CallTimeoutSeconds * 1000));
    std::vector<TChosenAdapter> adapters;
    if (options.Count && !options.Worker)
        adapters = ResolveProductionAdapters(*library, options.Transports, callTimeout, context);
    else if (!options.Worker)
        adapters = ResolveAdapters(*library, options.Transports);
    if (adapters.size() > 1 && !options.Count)
        throw TUsageError("several transports belong to a production run (--count N)");
    const TUnitPlace place{adapters.empty() ? std::nullopt : std::optional(adapters.front().Transport), options.Backup};
    if (options.Backup) {
        if (const auto problem = report::BackupFolderProblem(*options.Backup)) {
            context.Err << "zenta program: cannot write backups to " << *options.Backup << ": " << *problem << '\n';
            return kExitFileError;
        }
    }
    const TProductionOptions production{options.Count.value_or(0), options.Unit.Restart, place,
                                        options.Log.value_or(""), callTimeout};
    if (options.Worker)
        return RunProductionWorker(options.Path, options.Transports.front(), production, *library, context, std::cin);
    if (adapters.size() > 1) return RunProductionOverAdapters(file, production, adapters, context);
    if (options.Count) return RunProduction(file, production, *library, context);
    return ProgramOnce(*file, options.Unit, place, *library, context);
}

}  // namespace

void AddProgramCommand(TCommandLine& line) {
    auto options = std::make_shared<TProgramCommandOptions>();
    CLI::App& program = line.AddCommand(
        "program", "LOAD FILE and PROGRAM DEVICE; --count N for a production run",
        "Loads the settings file as LOAD FILE does and runs PROGRAM DEVICE for the attached unit's kind; nothing is "
        "written unless the whole file was read. The prompts become messages on standard error. With --count N, a "
        "production run: the file is checked once (as zenta check does, and refused when anything is found); then "
        "for each of N units the run waits for it to appear on the link, programs and verifies it, prints one line "
        "(time, number, kind, version, edition, result) and waits for it to go. A failed unit does not stop the "
        "run; Ctrl-C ends it between units, a second Ctrl-C at once. With --log, each unit's entry is flushed to the "
        "disk before the unit counts (zenta log). Several --transport (or --transport all) program on those adapters "
        "at the same time, a worker process each.");
    program.add_flag("--restart", options->Unit.Restart, "restart the unit after a good write (and read-back)");
    program.add_flag("--verify", options->Unit.Verify,
                     "read the record back on the same connection and compare it word by word with what was written");
    CLI::Option* count = program.add_option("--count", options->Count, "a production run of N units")
                             ->type_name("N")
                             ->check(CLI::Range(1, kMostUnits));
    program.add_option("--log", options->Log, "append one JSON line per unit to this production record (zenta log)")
        ->type_name("RECORD")
        ->needs(count);
    program
        .add_option("--call-timeout", options->CallTimeoutSeconds,
                    "a library call that has not returned within this many seconds fails its adapter (default 30)")
        ->type_name("SECONDS")
        ->check(CLI::Range(0.001, 86400.0))
        ->needs(count);
    program
        .add_option("--transport", options->Transports,
                    "the adapter (see zenta transports); a production run takes several, or all")
        ->type_name("T")
        ->allow_extra_args(false);
    program
        .add_option("--backup", options->Backup,
                    "first save each unit's record, as read, in this folder (zenta restore puts it back)")
        ->type_name("DIR");
    program.add_flag("--worker", options->Worker, "a worker process of a run over several adapters")
        ->needs(count)
        ->group("");
    program.add_option("FILE.wpx", options->Path, "the settings file")->required();
    line.OnRun(program, [options](TCommandContext& context) { return RunProgram(*options, context); });
}

}  // namespace cli
