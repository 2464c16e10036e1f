// Whole READ DEVICE and PROGRAM DEVICE clicks against a simulated unit on an in-memory
// bench: detection, identification, the record read or write, the prompts and the log.
// No call fails, so no retry wait is taken; the simulated library's own time is part of
// the figures.

#include <benchmark/benchmark.h>

#include "tests/support/StartedForm.h"

namespace {

// The log and the prompts grow with every click; emptying them keeps each click alike.
void ForgetOutcome(testing_support::TStartedForm& started) {
    started.Form.InfoMemo.Lines.clear();
    started.Env.Prompts.Shown.clear();
}

void PutUnit(testing_support::TStartedForm& started, sim::TUnitKind kind) {
    started.Bench.AttachUnit(sim::TSimUnit::Factory(kind));
    if (kind == sim::TUnitKind::Gateway) started.Form.MasterPageControl.SetActivePage(started.Form.CradleTabSheet);
}

// The prompt of the last click: the success note of each kind, or the restart question.
bool Succeeded(const testing_support::TStartedForm& started, const char* text) {
    return !started.Env.Prompts.Shown.empty() && started.Env.Prompts.Shown.back().Text.find(text) == 0;
}

void ReadDeviceClick(benchmark::State& state, sim::TUnitKind kind) {
    testing_support::TStartedForm started;
    PutUnit(started, kind);
    for (auto _ : state) {
        ForgetOutcome(started);
        started.Form.ReadDeviceButton.UserClick();
    }
    if (!Succeeded(started, "Success to read")) state.SkipWithError("the read did not succeed");
}
BENCHMARK_CAPTURE(ReadDeviceClick, Handset, sim::TUnitKind::Handset)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReadDeviceClick, Gateway, sim::TUnitKind::Gateway)->Unit(benchmark::kMicrosecond);

// The restart question is answered No, its focused button.
void ProgramDeviceClick(benchmark::State& state, sim::TUnitKind kind) {
    testing_support::TStartedForm started;
    PutUnit(started, kind);
    const std::uint32_t writesBefore = started.Bench.Counters.Writes;
    for (auto _ : state) {
        ForgetOutcome(started);
        started.Form.ProgramDeviceButton.UserClick();
    }
    if (started.Bench.Counters.Writes - writesBefore != state.iterations())
        state.SkipWithError("not every click wrote the record");
}
BENCHMARK_CAPTURE(ProgramDeviceClick, Handset, sim::TUnitKind::Handset)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ProgramDeviceClick, Gateway, sim::TUnitKind::Gateway)->Unit(benchmark::kMicrosecond);

}  // namespace
