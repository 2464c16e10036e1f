#pragma once
// A production record entry as a run of one handset writes it, for the tests of the
// record's readers and writers.

#include <string>

#include "cli/record/ProductionRecord.h"
#include "report/Sha256.h"

namespace cli_test {

inline cli::TRecordEntry EntryOf(const std::string& adapter, const std::string& result = "ok") {
    return {.Time = "2024-06-03T14:05:09+02:00",
            .Bench = "BENCH1",
            .Operator = "anna",
            .ProgramVersion = "v2.05A",
            .Adapter = adapter,
            .Kind = "handset",
            .Version = "V2.05",
            .Edition = "Ardex",
            .File = "batch.wpx",
            .Sha256 = report::Sha256Hex("batch"),
            .Result = result,
            .Written = "yes",
            .Verification = "verified",
            .ReadBackSha256 = report::Sha256Hex("read back"),
            .Seconds = 1.25};
}

}  // namespace cli_test
