// The production record: the digest that names a settings file, the time with its UTC
// offset, lines that several writers append at once staying whole, and the reader's
// counts of a record a crash cut off.

#include <gtest/gtest.h>

#include <thread>

#include "CliHarness.h"
#include "cli/record/LocalTimestamp.h"
#include "cli/record/ProductionRecord.h"
#include "cli/record/Sha256.h"
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
    for (const auto& c : cases) EXPECT_EQ(cli::Sha256Hex(c.Message), c.Digest) << c.Message.size() << " bytes";
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
            .Adapter = adapter,
            .Kind = "handset",
            .Version = "V2.05",
            .Edition = "Ardex",
            .File = "batch.wpx",
            .Sha256 = cli::Sha256Hex("batch"),
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

}  // namespace
}  // namespace cli_test
