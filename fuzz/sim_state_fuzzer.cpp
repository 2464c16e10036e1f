// Arbitrary bytes as the simulator's state file, the text that every simulated library
// call and `zenta sim` reads. A file is refused with the line it cannot read, or it is a
// bench that the state file writes as a file that reads back as the very same bench;
// the library's calls then answer from it, its hangs ended and its latencies not spent,
// leaving no connection of their own open.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "sim/SimLibrary.h"
#include "sim/SimStateFile.h"

namespace {

// No time passes; a hang ends at its first slice.
class TNoTime final : public ui::ISleep {
public:
    explicit TNoTime(sim::TSimBench& bench) : bench_(bench) {}
    void Sleep(unsigned) override {
        const auto hung = bench_.Hung();
        for (const std::string& transport : hung) bench_.EndHang(transport);
    }

private:
    sim::TSimBench& bench_;
};

void CallTheLibrary(sim::TSimBench& bench) {
    TNoTime time(bench);
    sim::TSimLibrary library(bench, time);
    char text[sim::kEngineVersionBuffer] = {};
    library.EngineVersion(text);
    fuzzing::Require(text[sizeof text - 1] == '\0', "the version text filled its buffer to the end");
    std::uint16_t capacity = 256;
    std::uint16_t count = 0;
    char names[256] = {};
    char transports[256] = {};
    library.FlashListSpiPorts(&capacity, names, transports, &count);
    const std::size_t before = bench.OpenConnections();
    const std::string first = bench.FirstTransport();
    const std::uint32_t handle = library.EngineOpenSpi(first.c_str(), 0);
    std::uint16_t words[36] = {};
    std::uint16_t length = 0;
    library.EngineReadKey(handle, 0x02A9, sim::kPsStore, 36, words, &length);
    library.EngineWriteKey(handle, 0x0600, sim::kPsStore, 2, words);
    library.EngineChipName(handle, 256, text);
    library.EngineRestart(handle, 0);
    const bool closed = library.EngineClose(handle) == 1;
    fuzzing::Require(handle == 0 || closed || bench.OpenConnections() == before + 1,
                     "a close that failed did not leave its connection");
    fuzzing::Require(handle == 0 || !closed || bench.OpenConnections() == before, "a close left its connection");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sim::TSimBench bench;
    std::string error;
    if (!sim::ParseBenchState(text, bench, &error)) {
        fuzzing::Require(error.starts_with("line "), "a refusal without its line: " + error);
        return 0;
    }
    const std::string written = sim::FormatBenchState(bench);
    sim::TSimBench again;
    fuzzing::Require(sim::ParseBenchState(written, again, &error), "a written bench is refused: " + error);
    fuzzing::Require(sim::FormatBenchState(again) == written, "a written bench reads back as another");
    CallTheLibrary(bench);
    return 0;
}
