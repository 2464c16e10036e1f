// Program entry to a window ready for the user: the window created, FormCreate,
// FormShow and the timer's tick that chooses the transport.

#include <benchmark/benchmark.h>

#include <optional>

#include "tests/support/StartedForm.h"

namespace {

void StartUp(benchmark::State& state) {
    std::optional<testing_support::TStartedForm> started;
    for (auto _ : state) {
        started.emplace();
        benchmark::DoNotOptimize(started->Form.Caption.data());
        state.PauseTiming();
        started.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMicrosecond);

}  // namespace
