// One entry appended to a production record as a run appends it: the file opened, the
// writers' lock taken, the last byte looked at, the line written and flushed to the disk,
// the file closed. The record lies in the system's temporary folder, on the disk, since
// the flush is the cost that matters; it grows by the entries written, which an append
// does not read.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "cli/record/ProductionRecord.h"

namespace {

void ProductionRecordAppend(benchmark::State& state) {
    const std::filesystem::path record = std::filesystem::temp_directory_path() / "zenta-record-bench.jsonl";
    std::filesystem::remove(record);
    const cli::TRecordEntry entry{.Time = "2024-06-03T14:02:11+02:00",
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
    for (auto _ : state)
        if (!cli::AppendToRecord(record.string(), entry)) state.SkipWithError("the append failed");
    std::filesystem::remove(record);
}
BENCHMARK(ProductionRecordAppend)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
