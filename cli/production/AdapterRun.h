#pragma once
// The units of one adapter, one after the other: the run waits for a unit to appear on
// the link, programs and verifies it with a window of its own, reports it, and waits for
// it to go. A one-adapter production run is one of these, printing its unit lines and
// appending the entries itself; each worker of a run over several adapters is another,
// which asks its run for a number per unit and tells it all in report lines.

#include <atomic>
#include <mutex>
#include <optional>
#include <string>

#include "cli/framework/CommandContext.h"
#include "cli/host/FileSnapshot.h"
#include "cli/host/UnitProgramming.h"
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
    TAdapterRun(const TFileSnapshot& file, const TProductionOptions& options, TWatchedLibrary& library,
                TCommandContext& context, IUnitRecord* record, TReportLines* reports);
    TAdapterRun(const TAdapterRun&) = delete;
    TAdapterRun& operator=(const TAdapterRun&) = delete;

    // The one-adapter run: its exit code as RunProduction gives it. A library call that
    // does not return within the limit, or a second Ctrl-C, ends the process from the
    // guard's thread, with the unit in hand recorded as it stands.
    int Run();
    // The worker: each unit that answers is offered to the run, and programmed under the
    // number it grants. The end of the worker's input, its Ctrl-C (armed by the caller),
    // stops it after the unit in hand. The library's guard is the worker's own, which
    // tells the run of a call that does not return, and the run ends the worker.
    int Work(TWorkerChannel& channel);

private:
    // How a unit taken ends the run: not at all, or before the next unit.
    enum class TStep { Next, RecordFailed, Abandoned };
    // The unit being programmed.
    struct TUnitInHand {
        int Number = 0;
        ui::TLocalTime Start{};
    };

    // How the wait for a unit to go ends: the link is empty, Ctrl-C came, or another unit
    // answers already, with its chip's name.
    struct TAfterUnit {
        enum class TWhat { Gone, Interrupted, Replaced };
        TWhat What = TWhat::Gone;
        std::string Chip{};
    };

    std::optional<std::string> WaitForUnit();
    TAfterUnit WaitUntilGone(int number, const TUnitMark& mark);
    TStep ProgramNextUnit(int number, const std::string& chip);
    TStep Report(int number, const TProgramming& programming, const ui::TLocalTime& start);
    bool Append(int number, const TRecordEntry& entry);
    int Summarize(bool recordFailed);
    // The guard's end of a one-adapter run: `result` for the unit in hand, `why` said
    // first, and the process ended with `exitCode`.
    void Abandon(const char* result, const std::string& why, int exitCode);

    const TFileSnapshot& file_;
    const TProductionOptions options_;
    TWatchedLibrary& library_;
    TCommandContext& context_;
    IUnitRecord* const record_;
    TReportLines* const reports_;
    // Made once the library's calls are watched, since it lists the transports.
    std::optional<TLinkWatcher> watcher_;
    const TRunStamp stamp_;
    // What the programming thread and the guard's share.
    std::timed_mutex mutex_;
    TRunCounts counts_;
    std::optional<TUnitInHand> inHand_;
    bool lastSucceeded_ = false;
    bool finished_ = false;  // the run has said its summary
    std::atomic<bool> abandoned_ = false;
    std::atomic<int> abandonedCode_ = 0;
};

}  // namespace cli
