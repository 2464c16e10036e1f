// SAVE FILE and LOAD FILE as the user clicks them, a real file on disk each time, and the
// format alone, in memory. The clicks report the user and system CPU time apart: saving
// replaces the file by a rename, for which the file system writes the new file out.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "ProcessTimes.h"
#include "files/SettingsFile.h"
#include "tests/support/StartedForm.h"

namespace {

std::string BenchFile() { return (std::filesystem::temp_directory_path() / "zenta-bench-settings.wpx").string(); }

void SaveFileClick(benchmark::State& state) {
    testing_support::TStartedForm started;
    const std::string path = BenchFile();
    const benching::TProcessTimes times;
    for (auto _ : state) {
        started.Env.Dialogs.Answers.push_back(path);
        started.Form.SaveFileButton.UserClick();
    }
    times.Report(state);
    if (!started.Env.Messages.Shown.empty()) state.SkipWithError("the file could not be saved");
    std::filesystem::remove(path);
}
BENCHMARK(SaveFileClick)->Unit(benchmark::kMicrosecond);

void LoadFileClick(benchmark::State& state) {
    testing_support::TStartedForm started;
    const std::string path = BenchFile();
    started.Env.Dialogs.Answers.push_back(path);
    started.Form.SaveFileButton.UserClick();
    const benching::TProcessTimes times;
    for (auto _ : state) {
        started.Env.Dialogs.Answers.push_back(path);
        started.Form.LoadFileButton.UserClick();
    }
    times.Report(state);
    if (!started.Env.Messages.Shown.empty()) state.SkipWithError("the file could not be loaded");
    std::filesystem::remove(path);
}
BENCHMARK(LoadFileClick)->Unit(benchmark::kMicrosecond);

void WriteSettingsText(benchmark::State& state) {
    testing_support::TStartedForm started;
    for (auto _ : state) {
        std::ostringstream out;
        files::WriteSettingsFile(started.Form, out);
        benchmark::DoNotOptimize(out.str().data());
    }
}
BENCHMARK(WriteSettingsText)->Unit(benchmark::kMicrosecond);

void ApplySettingsText(benchmark::State& state) {
    testing_support::TStartedForm started;
    std::ostringstream saved;
    files::WriteSettingsFile(started.Form, saved);
    const std::string text = saved.str();
    for (auto _ : state) {
        std::istringstream in(text);
        files::ApplySettingsFile(started.Form, in);
        started.Form.RefreshDependentControls();
    }
}
BENCHMARK(ApplySettingsText)->Unit(benchmark::kMicrosecond);

}  // namespace
