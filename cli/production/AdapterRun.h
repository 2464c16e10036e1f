#pragma once
// The units of one adapter, one after the other: the run waits for a unit to appear on
// the link, programs and verifies it with a window of its own, reports it, and waits for
// it to go. A one-adapter production run is one of these, printing its unit lines and
// appending the entries itself; each worker of a run over several adapters is another,
// which asks its run for a number per unit and tells it all in report lines.

#include "cli/framework/CommandContext.h"
#include "cli/host/FileSnapshot.h"
#include "cli/production/LinkWatcher.h"
#include "cli/production/ProductionRun.h"
#include "cli/production/ReportLines.h"
#include "cli/production/RunSummary.h"
#include "cli/production/UnitReports.h"
#include "cli/production/WatchedLibrary.h"
#include "cli/production/WorkerChannel.h"

namespace cli {

class TAdapterRun {
public:
    // `record` takes a one-adapter run's entries (none without --log); a worker has none
    // and its `reports` instead.
    TAdapterRun(const TFileSnapshot& file, const TProductionOptions& options, devlink::IChipLibrary& library,
                TCommandContext& context, IUnitRecord* record, TReportLines* reports);
    TAdapterRun(const TAdapterRun&) = delete;
    TAdapterRun& operator=(const TAdapterRun&) = delete;

    // The one-adapter run: its exit code as RunProduction gives it.
    int Run();
    // The worker: each unit that answers is offered to the run, and programmed under the
    // number it grants. The end of the worker's input, its Ctrl-C, stops it after the unit
    // in hand.
    int Work(TWorkerChannel& channel);

private:
    // How a unit taken ends the run: not at all, or before the next unit.
    enum class TStep { Next, FileProblem, RecordFailed };

    std::optional<std::string> WaitForUnit();
    bool WaitUntilGone();
    TStep ProgramNextUnit(int number, const std::string& chip);
    bool Report(int number, const app::TDeviceResult& result, const ui::TLocalTime& start);

    const TFileSnapshot& file_;
    const TProductionOptions options_;
    TWatchedLibrary library_;
    TCommandContext& context_;
    IUnitRecord* const record_;
    TReportLines* const reports_;
    TLinkWatcher watcher_;
    const TRunStamp stamp_;
    TRunCounts counts_;
};

}  // namespace cli
