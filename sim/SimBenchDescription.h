#pragma once
// What `zenta sim show` prints of a bench: every unit with its keys and calls, then the
// pending faults, the counters and the libraries' host-side settings.

#include <string>

#include "sim/SimBench.h"

namespace sim {

std::string DescribeBench(const TSimBench& bench);

}  // namespace sim
