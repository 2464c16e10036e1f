#include "cli/production/ProductionRun.h"

#include "cli/framework/ExitCodes.h"
#include "cli/host/FileSnapshot.h"
#include "cli/production/AdapterRun.h"
#include "cli/production/CallGuard.h"
#include "cli/production/MessageLines.h"
#include "cli/production/ProcessWorker.h"
#include "cli/production/ProductionCoordinator.h"
#include "cli/production/WatchedLibrary.h"
#include "cli/production/WorkerLines.h"

namespace cli {
namespace {

// A file the loader would take otherwise than it reads is refused before any unit gets
// it, since the run would bring the difference to every unit. Empty when the file is
// clean, else the exit code.
std::optional<int> RefusalOf(const std::shared_ptr<const TFileSnapshot>& file, TCommandContext& context) {
    const TLoadedFile loaded(file);
    const std::vector<files::TFinding>& findings = loaded.Report().Findings;
    if (findings.empty()) return std::nullopt;
    for (const files::TFinding& finding : findings)
        context.Err << "zenta program: " << files::FindingLine(file->Path(), finding) << '\n';
    context.Err << "zenta program: " << file->Path() << " has " << findings.size()
                << (findings.size() == 1 ? " finding" : " findings") << " (see zenta check); no unit was programmed\n";
    return kExitFindings;
}

// A record is refused before the first unit: a unit programmed without its entry would
// be missing from it for good.
std::optional<int> RecordRefusal(const TProductionOptions& options, TCommandContext& context) {
    if (options.LogPath.empty() || CanAppendToRecord(options.LogPath)) return std::nullopt;
    context.Err << "zenta program: " << options.LogPath
                << ": the production record cannot be appended to; no unit was programmed\n";
    return kExitFileError;
}

}  // namespace

std::vector<TChosenAdapter> ResolveProductionAdapters(devlink::IChipLibrary& library,
                                                      const std::vector<std::string>& specs,
                                                      std::chrono::milliseconds callTimeout, TCommandContext& context) {
    TWatchedLibrary watched(library);
    const TCallGuard guard(watched, callTimeout, context.Interrupt,
                           {.Stuck =
                                [&context](const std::string& why) {
                                    context.Err << "zenta program: the adapter does not answer: " << why << '\n';
                                    context.EndProcess(kExitUnitsFailed);
                                },
                            .Forced = [&context] { context.EndProcess(kExitInterrupted); }});
    return ResolveAdapters(watched, specs);
}

int RunProduction(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options,
                  devlink::IChipLibrary& library, TCommandContext& context) {
    if (const std::optional<int> refusal = RefusalOf(file, context)) return *refusal;
    if (const std::optional<int> refusal = RecordRefusal(options, context)) return *refusal;
    TRecordFile record(options.LogPath);
    TWatchedLibrary watched(library);
    return TAdapterRun(*file, options, watched, context, options.LogPath.empty() ? nullptr : &record, nullptr).Run();
}

int RunProductionWorker(const std::string& path, const std::string& transport, TProductionOptions options,
                        devlink::IChipLibrary& library, TCommandContext& context, std::istream& input) {
    TReportLines reports(context.Out);
    TMessageLines messages([&reports](const std::string& text) { reports.Write(SayLine(text)); });
    std::ostream err(&messages);
    TWorkerChannel channel(input);
    channel.Arm();
    TCommandContext workerContext{context.Out,         err,     context.Clock,     context.Sleeper, context.Poller,
                                  context.UnitLibrary, channel, context.EndProcess};
    TWatchedLibrary watched(library);
    const TCallGuard guard(
        watched, options.CallTimeout, channel,
        {.Stuck = [&reports](const std::string& why) { reports.Write(StuckLine(why)); }, .Forced = {}});
    options.Place.Transport = ResolveAdapters(watched, {transport}).front().Transport;
    const std::optional<std::string> settings = channel.AwaitSettings();
    if (!settings) {
        err << "zenta program: the run gave its worker no settings\n";
        return kExitFileError;
    }
    const TFileSnapshot file = TFileSnapshot::OfBytes(path, *settings);
    return TAdapterRun(file, options, watched, workerContext, nullptr, &reports).Work(channel);
}

int RunProductionOverAdapters(const std::shared_ptr<const TFileSnapshot>& file, const TProductionOptions& options,
                              const std::vector<TChosenAdapter>& adapters, TCommandContext& context) {
    if (const std::optional<int> refusal = RefusalOf(file, context)) return *refusal;
    if (const std::optional<int> refusal = RecordRefusal(options, context)) return *refusal;
    std::vector<std::unique_ptr<IProductionWorker>> workers;
    for (const TChosenAdapter& adapter : adapters) {
        std::vector<std::string> arguments{"program",     "--worker",  "--count", std::to_string(options.Count),
                                           "--transport", adapter.Spec};
        if (options.Restart) arguments.emplace_back("--restart");
        arguments.insert(arguments.end(), {"--call-timeout", SecondsText(options.CallTimeout)});
        if (options.Place.BackupFolder) arguments.insert(arguments.end(), {"--backup", *options.Place.BackupFolder});
        arguments.push_back(file->Path());
        workers.push_back(
            std::make_unique<TProcessWorker>(adapter.Transport.Name, std::move(arguments), file->Bytes()));
    }
    context.Err << "Programming " << options.Count << " units on " << adapters.size()
                << " adapters (Ctrl-C ends the run)\n";
    TRecordFile record(options.LogPath);
    const TCoordination coordination{
        .Count = options.Count, .Record = options.LogPath.empty() ? nullptr : &record, .Stamp = StampOf(*file)};
    return CoordinateProduction(workers, coordination, context);
}

}  // namespace cli
