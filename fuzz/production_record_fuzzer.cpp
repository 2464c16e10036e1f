// The production record reader on arbitrary bytes as a record, a record that crashes,
// full disks and other writers may have left in any state. The first input byte cuts the
// rest into blocks of that many bytes (and 1 more), as a read of the file might come:
// the sums are those of the record read whole. An entry appended whole after whatever
// the record holds always counts, and changes nothing else of the sums. An entry read
// from the bytes writes back into a line that reads as the same entry. The chain check
// takes every piece the reader counts, and an entry appended as a writer appends it, after
// the record's last line, is chained and breaks nothing.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "cli/record/ChainCheck.h"
#include "cli/record/ProductionRecord.h"
#include "cli/record/RecordChain.h"
#include "cli/record/RecordSummary.h"
#include "ui/LastLine.h"

namespace {

cli::TRecordSummary Summary(std::string_view bytes, std::size_t block) {
    cli::TRecordSummary summary;
    cli::TRecordScanner scanner(summary, "record");
    for (std::size_t at = 0; at < bytes.size(); at += block) scanner.Feed(bytes.substr(at, block));
    scanner.Finish();
    return summary;
}

bool SameSums(const cli::TRecordSummary& a, const cli::TRecordSummary& b) {
    return a.Units == b.Units && a.UnreadablePieces == b.UnreadablePieces && a.Unreadable == b.Unreadable &&
           a.ByResult == b.ByResult && a.ByWritten == b.ByWritten && a.ByKind == b.ByKind && a.ByFile == b.ByFile &&
           a.ByAdapter == b.ByAdapter && a.ByBench == b.ByBench && a.ByOperator == b.ByOperator &&
           a.ByProgramVersion == b.ByProgramVersion;
}

const cli::TRecordEntry kAppended{.Time = "2024-06-03T14:05:09+02:00",
                                  .Bench = "BENCH",
                                  .Operator = "anna",
                                  .ProgramVersion = "v2.05A",
                                  .Adapter = "\\\\.\\CSR0",
                                  .Kind = "handset",
                                  .Version = "V2.05",
                                  .Edition = "Ardex",
                                  .File = "batch.wpx",
                                  .Sha256 = "00",
                                  .Result = "ok",
                                  .Written = "yes",
                                  .Verification = "verified",
                                  .Seconds = 1.5};

cli::TChainVerdict Checked(std::string_view bytes) {
    cli::TChainCheck check("record");
    cli::TRecordSummary unused;
    cli::TRecordScanner scanner(unused, "record", {}, [&check](const cli::TRecordPiece& p) { check.Piece(p); });
    scanner.Feed(bytes);
    scanner.Finish();
    return check.Finish();
}

// The record with an entry appended as AppendToRecord appends it to a file of these bytes.
std::string WithChainedEntry(std::string_view record) {
    const std::string last =
        ui::LastFilledLine(record.size(), 2 * cli::kLongestEntry, cli::EndsAsWritten,
                           [record](std::uint64_t offset, std::size_t count, std::string& bytes) {
                               bytes.assign(record.substr(static_cast<std::size_t>(offset), count));
                               return true;
                           });
    std::string appended(record);
    if (!record.empty() && record.back() != '\n') appended.push_back('\n');
    return appended.append(cli::ChainedLine(cli::RecordLine(kAppended), last)).append("\n");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t block = data[0] + std::size_t{1};
    const std::string_view record(reinterpret_cast<const char*>(data) + 1, size - 1);

    const cli::TRecordSummary whole = Summary(record, record.size() + 1);
    fuzzing::Require(SameSums(Summary(record, block), whole),
                     "other sums when read in blocks of " + std::to_string(block) + " bytes");

    const std::string appended = std::string(record) + cli::RecordLine(kAppended) + "\n";
    const cli::TRecordSummary after = Summary(appended, block);
    fuzzing::Require(after.Units == whole.Units + 1, "an entry appended whole did not count");
    fuzzing::Require(after.UnreadablePieces == whole.UnreadablePieces,
                     "an entry appended changed the unreadable pieces");
    fuzzing::Require(after.ByAdapter.at(kAppended.Adapter) ==
                         (whole.ByAdapter.contains(kAppended.Adapter) ? whole.ByAdapter.at(kAppended.Adapter) + 1 : 1),
                     "the entry appended counted under another adapter");

    const cli::TChainVerdict checked = Checked(record);
    fuzzing::Require(checked.Entries + checked.UnreadablePieces == whole.Units + whole.UnreadablePieces,
                     "the chain check took other pieces than the reader");
    const std::string chained = WithChainedEntry(record);
    const cli::TChainVerdict extended = Checked(chained);
    const int line = static_cast<int>(std::count(chained.begin(), chained.end(), '\n'));
    fuzzing::Require(extended.ChainedEntries == checked.ChainedEntries + 1, "an entry appended is not chained");
    for (const cli::TChainFinding& finding : extended.Findings)
        fuzzing::Require(finding.Line != line, "an entry appended breaks the chain: " + cli::ChainFindingText(finding));

    // The seconds are written to the millisecond; everything else as read.
    if (const std::optional<cli::TRecordEntry> entry = cli::EntryOfLine(record)) {
        const std::optional<cli::TRecordEntry> again = cli::EntryOfLine(cli::RecordLine(*entry));
        fuzzing::Require(again.has_value(), "an entry written back is no entry");
        cli::TRecordEntry texts = *again;
        texts.Seconds = entry->Seconds;
        fuzzing::Require(texts == *entry, "an entry written back reads otherwise");
        const double rounded = std::round(entry->Seconds * 1000) / 1000;
        if (std::isfinite(rounded))
            fuzzing::Require(std::abs(again->Seconds - rounded) <= 1e-9 * std::max(1.0, std::abs(rounded)),
                             "an entry's seconds written back read otherwise");
    }
    return 0;
}
