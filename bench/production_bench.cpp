// A production run over 1, 2 and 4 adapters of a simulated bench whose every library
// call takes 5 ms: the real zenta binary with its worker processes, and an operator who
// takes each programmed unit away and puts a new one on its adapter 600 ms later (a
// little more than the run's 500 ms look at the link, so that the run sees it go).
// Reports units per minute; the speed-up is that of 2 or 4 adapters over 1.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kUnitsPerAdapter = 4;
constexpr int kLatencyMs = 5;
constexpr int kOperatorMs = 600;

std::string Transport(int adapter) { return "SPITRANS=SIM SPIPORT=" + std::to_string(adapter + 1); }

int Zenta(const std::string& arguments) {
    const std::string line = std::string(ZENTA_BINARY " ").append(arguments).append(" >/dev/null");
    return std::system(line.c_str());
}

void Attach(const char* kind, int adapter) {
    Zenta(std::string("sim attach ").append(kind).append(" --transport '").append(Transport(adapter)).append("'"));
}

// Four SPI adapters P1..P4, each with a handset.
void SetUpBench(const std::filesystem::path& folder) {
    setenv("ZENTA_SIM_STATE", (folder / "sim-unit.txt").c_str(), 1);
    Zenta("sim ports 'P1,P2,P3,P4' '" + Transport(0) + "," + Transport(1) + "," + Transport(2) + "," + Transport(3) +
          "'");
    Zenta("sim latency " + std::to_string(kLatencyMs));
    for (int adapter = 0; adapter < 4; ++adapter) Attach("handset", adapter);
}

// The adapter of a unit line, "[P2]  ..." being adapter 1; -1 for the summary. A run
// over one adapter is the plain one-adapter run, whose unit lines name none.
int AdapterOfLine(const std::string& line, int adapters) {
    if (adapters == 1)
        return line.find(" units: ") == std::string::npos && line.find("unit: ") == std::string::npos ? 0 : -1;
    if (line.size() < 4 || line[0] != '[' || line[1] != 'P' || line[3] != ']') return -1;
    return line[2] - '1';
}

void ProductionRun(benchmark::State& state) {
    const int adapters = static_cast<int>(state.range(0));
    const int units = adapters * kUnitsPerAdapter;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zenta-production-bench";
    std::string command = std::string(ZENTA_BINARY " program --count ").append(std::to_string(units));
    for (int adapter = 0; adapter < adapters; ++adapter)
        command.append(" --transport ").append(std::to_string(adapter));
    command.append(" " ZENTA_SETTINGS " 2>/dev/null");
    int programmed = 0;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        SetUpBench(folder);
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
            Attach("none", adapter);
            operators.emplace_back([adapter] {
                std::this_thread::sleep_for(std::chrono::milliseconds(kOperatorMs));
                Attach("handset", adapter);
            });
        }
        if (pclose(run) != 0) state.SkipWithError("the run failed");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        for (std::thread& person : operators) person.join();
    }
    if (programmed != units * static_cast<int>(state.iterations()))
        state.SkipWithError("not every unit was programmed");
    state.counters["units_per_minute"] = units * 60.0 * static_cast<double>(state.iterations()) / seconds;
}
BENCHMARK(ProductionRun)->Arg(1)->Arg(2)->Arg(4)->Iterations(3)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace
