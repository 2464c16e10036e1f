#pragma once
// A production run over several adapters at once: the workers, one per adapter, each
// ask for a number when a unit appears on theirs; numbers are handed out until N units
// are under way, so that the run programs exactly N units however fast each adapter is.
// A worker that fails stops no other; Ctrl-C stops them all, each after its current
// unit, and a second Ctrl-C ends them at once. Every line is prefixed by its adapter; one
// summary gives totals and counts per adapter.
//
// The run is the record's one writer: each unit's entry, the worker's or, for a unit
// whose worker ended first, the run's own from what the worker had said, is appended
// before the unit counts. An entry that cannot be appended stops the handing out.

#include <memory>
#include <vector>

#include "cli/framework/CommandContext.h"
#include "cli/production/ProductionWorker.h"
#include "cli/production/UnitReports.h"

namespace cli {

// How often the run looks for reports when none was waiting.
inline constexpr unsigned kReportPollMs = 20;
// How many of those looks a worker ended from here is given to show its end, after which
// the run goes on without it: the system may be unable to end a process held in a driver.
inline constexpr int kKilledWorkerPolls = 50;

struct TCoordination {
    int Count = 1;
    IUnitRecord* Record = nullptr;  // none without --log
    TRunStamp Stamp;
};

// The exit code: 0 every unit programmed, kExitUnitsFailed when a unit failed or an
// adapter ended before the run did, kExitInterrupted after Ctrl-C, kExitRecordFailed
// when an entry could not be appended.
int CoordinateProduction(const std::vector<std::unique_ptr<IProductionWorker>>& workers,
                         const TCoordination& coordination, TCommandContext& context);

// The message of a unit whose entry could not be appended.
std::string UnrecordedMessage(const std::string& record, int number);

}  // namespace cli
