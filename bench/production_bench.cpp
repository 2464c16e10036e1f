// A production run over 1, 2, 4, 8 and 16 adapters of a simulated bench whose every
// library call takes 5 ms: the real zenta binary with its worker processes, and an
// operator who takes each programmed unit away and puts a new one on its adapter 600 ms
// later (a little more than the run's 500 ms look at the link, so that the run sees it
// go). Reports units per minute, and the library calls per unit as the bench counted
// them, the looks at the link included.
//
// The operator's hands are this process changing the bench's state file, as `zenta sim
// attach` would, without starting a process per unit: a person costs the computer
// nothing. The state file is kept in memory (/dev/shm) where there is one: on a disk,
// every library call's save waits for the disk under the bench's one lock, a cost of the
// simulator that real adapters, each a device of its own, do not share. The run keeps a
// production record (--log) on the disk, in the system's temporary folder, each entry
// flushed to the disk before its unit counts, as on a bench.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "sim/SimBenchCommands.h"
#include "sim/SimStateFile.h"

namespace {

constexpr int kUnitsPerAdapter = 4;
constexpr int kLatencyMs = 5;
constexpr int kOperatorMs = 600;

// The adapters are USB units \\.\CSR1, \\.\CSR2, ...: the window's list holds at most 11
// SPI ports, and a USB device path outside the list is a transport of its own.
std::string Transport(int adapter) { return "\\\\.\\CSR" + std::to_string(adapter + 1); }

std::filesystem::path BenchFolder() {
    const std::filesystem::path memory = "/dev/shm";
    return (std::filesystem::is_directory(memory) ? memory : std::filesystem::temp_directory_path()) /
           "zenta-production-bench";
}

// A factory unit of that kind, or none, on the adapter.
void Attach(const sim::TSimStateFile& bench, sim::TUnitKind kind, int adapter) {
    sim::ChangeBench(bench, [&](sim::TSimBench& b) {
        b.AttachUnit(Transport(adapter), kind == sim::TUnitKind::None ? sim::TSimUnit() : sim::TSimUnit::Factory(kind));
        return std::string();
    });
}

// The settings the run brings to the units: the defaults file with the auto turn-off
// timer at 12, so that a unit put on at factory settings is told from one programmed
// (the run also sees a unit put on in place of the last between two of its looks, as a
// busy machine's timing may have it).
std::filesystem::path SettingsFile() {
    std::ifstream in(ZENTA_SETTINGS, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t line = bytes.find("\n0012=");
    if (line != std::string::npos) bytes.replace(line + 6, bytes.find_first_of("\r\n", line + 6) - line - 6, "12");
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "zenta-production-bench.wpx";
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// A handset on each adapter, every call taking the latency.
void SetUpBench(const sim::TSimStateFile& bench, int adapters) {
    sim::ChangeBench(bench, [](sim::TSimBench& b) {
        b.LatencyMs = kLatencyMs;
        return std::string();
    });
    for (int adapter = 0; adapter < adapters; ++adapter) Attach(bench, sim::TUnitKind::Handset, adapter);
}

// The adapter of a unit line, "[\\.\CSR2]  ..." being adapter 1; -1 for the summary. A
// run over one adapter is the plain one-adapter run, whose unit lines name none.
int AdapterOfLine(const std::string& line, int adapters) {
    if (adapters == 1)
        return line.find(" units: ") == std::string::npos && line.find("unit: ") == std::string::npos ? 0 : -1;
    const std::string prefix = "[\\\\.\\CSR";
    if (!line.starts_with(prefix)) return -1;
    return std::atoi(line.c_str() + prefix.size()) - 1;
}

// The library calls the bench counted: opens, closes, key reads and writes, restarts.
long CountedCalls(const sim::TSimStateFile& file) {
    sim::TSimBench bench;
    if (!file.Load(bench)) return -1;
    const sim::TSimCounters& c = bench.Counters;
    return static_cast<long>(c.Opens) + c.Closes + c.Reads + c.Writes + c.Restarts;
}

void ProductionRun(benchmark::State& state) {
    const int adapters = static_cast<int>(state.range(0));
    const int units = adapters * kUnitsPerAdapter;
    const std::filesystem::path folder = BenchFolder();
    const sim::TSimStateFile bench(folder / "sim-unit.txt");
    setenv("ZENTA_SIM_STATE", (folder / "sim-unit.txt").c_str(), 1);
    const std::filesystem::path record = std::filesystem::temp_directory_path() / "zenta-production-bench.jsonl";
    std::string command = std::string(ZENTA_BINARY " program --count ").append(std::to_string(units));
    command.append(" --log '").append(record.string()).append("'");
    for (int adapter = 0; adapter < adapters; ++adapter)
        command.append(" --transport '").append(Transport(adapter)).append("'");
    const std::filesystem::path settings = SettingsFile();
    command.append(" '").append(settings.string()).append("' 2>>/tmp/wt22/bench-run.err");
    int programmed = 0;
    double seconds = 0;
    long calls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        std::filesystem::remove(record);
        std::filesystem::create_directories(folder);
        SetUpBench(bench, adapters);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        FILE* run = popen(command.c_str(), "r");
        std::vector<std::thread> operators;
        char text[512];
        while (std::fgets(text, sizeof text, run) != nullptr) {
            const std::string line = text;
            const int adapter = AdapterOfLine(line, adapters);
            if (adapter < 0) continue;
            if (line.find("  ok\n") != std::string::npos) ++programmed;
            Attach(bench, sim::TUnitKind::None, adapter);
            operators.emplace_back([&bench, adapter] {
                std::this_thread::sleep_for(std::chrono::milliseconds(kOperatorMs));
                Attach(bench, sim::TUnitKind::Handset, adapter);
            });
        }
        if (pclose(run) != 0) {
            state.SkipWithError("the run failed");
            break;
        }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        for (std::thread& person : operators) person.join();
        state.PauseTiming();
        calls += CountedCalls(bench);
        state.ResumeTiming();
    }
    std::filesystem::remove(record);
    std::filesystem::remove(settings);
    if (programmed != units * static_cast<int>(state.iterations()))
        state.SkipWithError("not every unit was programmed");
    const double runs = static_cast<double>(state.iterations());
    state.counters["units_per_minute"] = units * 60.0 * runs / seconds;
    state.counters["calls_per_unit"] = static_cast<double>(calls) / (units * runs);
}
BENCHMARK(ProductionRun)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Arg(16)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

}  // namespace
