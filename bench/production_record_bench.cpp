// The production record: one entry appended as a run appends it (the file opened, the
// writers' lock taken, the last line read from the file's end, the chained line written
// and flushed to the disk, the file closed), and zenta log --check of a record of 100,000
// entries. The records lie in the system's temporary folder, on the disk, since the flush
// is the cost that matters; the appended one grows by the entries written, which an
// append does not read.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "cli/record/ChainCheck.h"
#include "cli/record/ProductionRecord.h"
#include "cli/record/RecordChain.h"

namespace {

cli::TRecordEntry BenchEntry() {
    return {.Time = "2024-06-03T14:02:11+02:00",
            .Bench = "BENCH-3",
            .Operator = "anna",
            .ProgramVersion = "v2.05A",
            .Adapter = "\\\\.\\CSR0",
            .Kind = "handset",
            .Version = "V2.05",
            .Edition = "Ardex",
            .File = "batch.wpx",
            .Sha256 = std::string(64, '9'),
            .Result = "ok",
            .Written = "yes",
            .Verification = "verified",
            .Seconds = 2.412};
}

void ProductionRecordAppend(benchmark::State& state) {
    const std::filesystem::path record = std::filesystem::temp_directory_path() / "zenta-record-bench.jsonl";
    std::filesystem::remove(record);
    const cli::TRecordEntry entry = BenchEntry();
    for (auto _ : state)
        if (!cli::AppendToRecord(record.string(), entry)) state.SkipWithError("the append failed");
    std::filesystem::remove(record);
}
BENCHMARK(ProductionRecordAppend)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The record is written at once, each line chained to the one before as an append
// chains it, so that making it costs no flush per entry.
void ProductionRecordCheck(benchmark::State& state) {
    const std::filesystem::path record = std::filesystem::temp_directory_path() / "zenta-record-check-bench.jsonl";
    {
        std::ofstream out(record, std::ios::binary | std::ios::trunc);
        cli::TRecordEntry entry = BenchEntry();
        std::string last;
        for (int unit = 0; unit < 100000; ++unit) {
            entry.Seconds = 2 + unit % 1000 / 1000.0;
            last = cli::ChainedLine(cli::RecordLine(entry), last);
            out << last << '\n';
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(record));
    for (auto _ : state) {
        const std::optional<cli::TChainVerdict> verdict = cli::CheckRecordFile(record.string());
        if (!verdict || verdict->Broken() || verdict->ChainedEntries != 100000) state.SkipWithError("not intact");
    }
    std::filesystem::remove(record);
}
BENCHMARK(ProductionRecordCheck)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
