// The production record: the digest that names a settings file, the time with its UTC
// offset, lines that several writers append at once staying whole, the reader's counts
// of a record a crash cut off, and `zenta log` summing the records of several benches.

#include <gtest/gtest.h>

#include <thread>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "cli/record/LocalTimestamp.h"
#include "cli/record/ProductionRecord.h"
#include "report/Sha256.h"
#include "ui/LocalFiles.h"

namespace cli_test {
namespace {

// The FIPS 180-4 examples, and lengths around the padding's one-or-two-block edge.
TEST(Sha256, GivesTheStandardDigests) {
    const struct {
        std::string Message;
        const char* Digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        {std::string(56, 'a'), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a"},
        {std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases) EXPECT_EQ(report::Sha256Hex(c.Message), c.Digest) << c.Message.size() << " bytes";
}

std::tm TimeOf(int year, int month, int day, int hour, int minute, int second = 0) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

TEST(LocalTimestamp, GivesTheOffsetAlsoAcrossADateOrYearEnd) {
    const struct {
        std::tm Local;
        std::tm Utc;
        const char* Text;
    } cases[] = {
        {TimeOf(2024, 6, 3, 14, 5, 9), TimeOf(2024, 6, 3, 12, 5, 9), "2024-06-03T14:05:09+02:00"},
        {TimeOf(2024, 1, 1, 0, 30), TimeOf(2023, 12, 31, 23, 30), "2024-01-01T00:30:00+01:00"},
        {TimeOf(2023, 12, 31, 20, 0), TimeOf(2024, 1, 1, 0, 0), "2023-12-31T20:00:00-04:00"},
        {TimeOf(2024, 3, 1, 2, 0), TimeOf(2024, 2, 29, 20, 15), "2024-03-01T02:00:00+05:45"},
        {TimeOf(2024, 7, 1, 9, 0), TimeOf(2024, 7, 1, 12, 30), "2024-07-01T09:00:00-03:30"},
        {TimeOf(2024, 7, 1, 9, 0), TimeOf(2024, 7, 1, 9, 0), "2024-07-01T09:00:00+00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(cli::Iso8601Local(c.Local, c.Utc), c.Text);
}

cli::TRecordEntry EntryOf(const std::string& adapter, const std::string& result) {
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
            .Verification = "verified",
            .Seconds = 1.25};
}

// Each writer opens, appends and closes per line, as a worker process does; a shared
// offset or a write in two parts would show as a line mixed from two writers or lost.
TEST(ProductionRecord, WritersAppendingAtOnceLoseOrMixNoLine) {
    TCliHarness harness;
    const std::string record = harness.Folder.Resolve("record.jsonl").string();
    constexpr int kWriters = 4;
    constexpr int kLines = 250;
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer)
        writers.emplace_back([&record, writer] {
            const std::string adapter = "SPI" + std::to_string(writer) + std::string(300, '-');
            for (int line = 0; line < kLines; ++line) EXPECT_TRUE(cli::AppendToRecord(record, EntryOf(adapter, "ok")));
        });
    for (std::thread& writer : writers) writer.join();

    const cli::TRecordSummary summary = cli::SummarizeRecord(*ui::ReadWholeFile(record));
    EXPECT_EQ(summary.Units, kWriters * kLines);
    EXPECT_EQ(summary.UnreadableLines, 0);
    EXPECT_FALSE(summary.UnfinishedLastLine);
    ASSERT_EQ(summary.ByAdapter.size(), static_cast<std::size_t>(kWriters));
    for (const auto& [adapter, count] : summary.ByAdapter) EXPECT_EQ(count, kLines) << adapter;
}

// A crash in the middle of a write leaves the entry without its line feed: the reader
// leaves it out, and the next run closes it so that its own entries stay whole.
TEST(ProductionRecord, ATornLastLineIsLeftOutAndTheNextRunStartsAFreshLine) {
    TCliHarness harness;
    const std::string whole = cli::RecordLine(EntryOf("SPI1", "ok")) + "\n";
    const std::string torn = cli::RecordLine(EntryOf("SPI2", "ok")).substr(0, 40);
    const std::string record = harness.File("record.jsonl", whole + whole + torn);

    cli::TRecordSummary summary = cli::SummarizeRecord(*ui::ReadWholeFile(record));
    EXPECT_EQ(summary.Units, 2);
    EXPECT_TRUE(summary.UnfinishedLastLine);

    ASSERT_TRUE(cli::OpenRecord(record));
    ASSERT_TRUE(cli::AppendToRecord(record, EntryOf("SPI3", "write failed")));
    summary = cli::SummarizeRecord(*ui::ReadWholeFile(record));
    EXPECT_EQ(summary.Units, 3);
    EXPECT_EQ(summary.UnreadableLines, 1) << "the torn entry, now a line of its own";
    EXPECT_FALSE(summary.UnfinishedLastLine);
    EXPECT_EQ(summary.ByResult, (std::map<std::string, int>{{"ok", 2}, {"write failed", 1}}));
    EXPECT_EQ(summary.ByAdapter, (std::map<std::string, int>{{"SPI1", 2}, {"SPI3", 1}}));

    EXPECT_FALSE(cli::OpenRecord(harness.Folder.Resolve("").string())) << "a folder";
}

cli::TRecordEntry EntryAt(const std::string& bench, const std::string& adapter, const std::string& result) {
    cli::TRecordEntry entry = EntryOf(adapter, result);
    entry.Bench = bench;
    entry.Operator = "op-" + bench;
    return entry;
}

// Two benches' records, one of which began before entries named their bench: its old
// entry counts under "-"; its line that is no entry and its cut-off last line are named
// with the record they are in, and the two benches' adapters P2 add up.
TEST(ProductionRecord, LogSumsTheRecordsOfSeveralBenchesAndNamesTheRecordOfALineLeftOut) {
    TCliHarness harness;
    const std::string oldEntry =
        R"({"time":"2024-06-03T14:05:09+02:00","adapter":"P2","kind":"gateway","version":"V2.05","edition":"Kesto",)"
        R"("file":"batch.wpx","sha256":"00","result":"ok","verification":"verified","seconds":2})";
    const std::string first =
        harness.File("bench1.jsonl", cli::RecordLine(EntryAt("BENCH1", "P2", "ok")) + "\n" +
                                         cli::RecordLine(EntryAt("BENCH1", "P1", "write failed")) + "\n");
    const std::string torn = cli::RecordLine(EntryAt("BENCH2", "P1", "ok")).substr(0, 30);
    const std::string second = harness.File(
        "bench2.jsonl", oldEntry + "\nnot an entry\n" + cli::RecordLine(EntryAt("BENCH2", "P2", "ok")) + "\n" + torn);

    EXPECT_EQ(cli::RunCommandLine({"log", first, second}, harness.Context), cli::kExitOk) << harness.Err.str();

    const std::string digest = report::Sha256Hex("batch").substr(0, 12);
    EXPECT_EQ(harness.Out.str(),
              "4 units in 2 records, 1 unreadable line, an unfinished last line left out\n"
              "by result:\n  3  ok\n  1  write failed\n"
              "by kind:\n  1  gateway\n  3  handset\n"
              "by settings file:\n  1  batch.wpx (sha256 00)\n  3  batch.wpx (sha256 " +
                  digest +
                  ")\n"
                  "by adapter:\n  1  P1\n  3  P2\n"
                  "by bench:\n  1  -\n  2  BENCH1\n  1  BENCH2\n"
                  "by operator:\n  1  -\n  2  op-BENCH1\n  1  op-BENCH2\n"
                  "by program version:\n  1  -\n  3  v2.05A\n");
    EXPECT_EQ(harness.Err.str(), "zenta log: " + second + ":2: not a unit's entry\nzenta log: " + second +
                                     ": the last line has no line feed (a run cut off while writing it)\n");

    harness.Out.str("");
    EXPECT_EQ(cli::RunCommandLine({"log", "--json", first, second}, harness.Context), cli::kExitOk);
    const cli::TJson summary = cli::TJson::parse(harness.Out.str());
    EXPECT_EQ(summary["units"], 4);
    EXPECT_EQ(summary["unreadable"], cli::TJson::array({{{"record", second}, {"line", 2}}}));
    EXPECT_EQ(summary["by_bench"], cli::TJson::parse(R"({"-":1,"BENCH1":2,"BENCH2":1})"));

    const std::string missing = harness.Folder.Resolve("missing.jsonl").string();
    EXPECT_EQ(cli::RunCommandLine({"log", first, missing}, harness.Context), cli::kExitFileError);
}

}  // namespace
}  // namespace cli_test
