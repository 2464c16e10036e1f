#pragma once
// The process's user and system CPU time, so that a benchmark that touches files can
// tell the program's own time from the time the kernel spends on its behalf.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace benching {

class TProcessTimes {
public:
    TProcessTimes() : start_(Now()) {}

    // Adds "user" and "system", each the average per iteration since construction.
    void Report(benchmark::State& state) const {
        const TTimes end = Now();
        state.counters["user"] = benchmark::Counter(end.User - start_.User, benchmark::Counter::kAvgIterations);
        state.counters["system"] = benchmark::Counter(end.System - start_.System, benchmark::Counter::kAvgIterations);
    }

private:
    struct TTimes {
        double User = 0;
        double System = 0;
    };
    static double Seconds(const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    }
    static TTimes Now() {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return {Seconds(usage.ru_utime), Seconds(usage.ru_stime)};
    }

    TTimes start_;
};

}  // namespace benching
