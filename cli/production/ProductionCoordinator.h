#pragma once
// A production run over several adapters at once: the workers, one per adapter, each
// ask for a number when a unit appears on theirs; numbers are handed out until N units
// are under way, so that the run programs exactly N units however fast each adapter is.
// A worker that fails stops no other; Ctrl-C stops them all, each after its current
// unit. Every line is prefixed by its adapter; one summary gives totals and counts per
// adapter.

#include <memory>
#include <vector>

#include "cli/framework/CommandContext.h"
#include "cli/production/ProductionWorker.h"

namespace cli {

// How often the run looks for reports when none was waiting.
inline constexpr unsigned kReportPollMs = 20;

// The exit code: 0 every unit programmed, kExitUnitsFailed when a unit failed or an
// adapter ended before the run did, kExitInterrupted after Ctrl-C.
int CoordinateProduction(const std::vector<std::unique_ptr<IProductionWorker>>& workers, int count,
                         TCommandContext& context);

}  // namespace cli
