#pragma once
// The time the simulated libraries spend answering calls, added up in memory that every
// process of the session shares: a test that drives a program tells the program's own
// time from the time its library calls take, without a stopwatch in the program.

#include <cstdint>

namespace sim::win32 {

// QueryPerformanceCounter's reading: the same clock in every process.
std::int64_t PerformanceTicks();
double TicksToMilliseconds(std::int64_t ticks);

// The total so far, in ticks: every call of every process of the session since the total
// was made, which lasts while any process holds it; 0 where it cannot be made.
std::int64_t LibraryCallTicks();

// Adds the time between two readings of PerformanceTicks to the total.
void AddLibraryCallTime(std::int64_t startTicks, std::int64_t endTicks);

// Runs `call` and adds the time it takes to the total.
template <typename TCall>
auto TimedCall(TCall call) {
    const std::int64_t start = PerformanceTicks();
    auto result = call();
    AddLibraryCallTime(start, PerformanceTicks());
    return result;
}

}  // namespace sim::win32
