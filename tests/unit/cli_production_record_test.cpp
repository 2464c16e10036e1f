// The production record: the digest that names a settings file, the time with its UTC
// offset, lines that several writers append at once staying whole, the reader's counts
// of a record a crash cut off, and `zenta log` summing the records of several benches.

#include <gtest/gtest.h>

#include <thread>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/ChainCheck.h"
#include "cli/record/LocalTimestamp.h"
#include "cli/record/ProductionRecord.h"
#include "cli/record/RecordChain.h"
#include "cli/record/RecordSummary.h"
#include "records/UnitKind.h"
#include "records/UnitText.h"
#include "report/Sha256.h"
#include "tests/support/RecordEntries.h"
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

// A certificate builds the record a unit got from the words its entry names it by: they
// give back its kind, version and edition, and nothing for any other unit or words.
TEST(ProductionRecord, AnEntrysUnitWordsGiveBackTheUnit) {
    for (const records::TUnitKind* kind : {&records::kHandsetKind, &records::kGatewayKind})
        for (const std::uint16_t edition : {records::kArdexEdition, std::uint16_t{7}})
            for (int digits = 0; digits < 1000; ++digits) {
                const auto version =
                    static_cast<std::uint16_t>((digits / 100) << 8 | (digits / 10 % 10) << 4 | digits % 10);
                const records::TUnitIdentity unit{kind->Type, edition, version};
                const std::optional<records::TUnitIdentity> back = records::IdentityOfText(records::DescribeUnit(unit));
                ASSERT_TRUE(back) << kind->Name << ' ' << version;
                EXPECT_EQ(back->Type, unit.Type);
                EXPECT_EQ(back->Version, unit.Version);
                EXPECT_EQ(back->Ardex(), unit.Ardex());
            }
    for (const records::TUnitText& text :
         {records::TUnitText{"-", "-", "-"}, records::TUnitText{"Tavin unit", "V2.05", "Ardex"},
          records::TUnitText{"handset", "V2.5", "Ardex"}, records::TUnitText{"gateway", "V2.05", "Ardex edition"},
          records::TUnitText{"gateway", "2.05", "Kesto"}})
        EXPECT_FALSE(records::IdentityOfText(text)) << text.Kind << ' ' << text.Version << ' ' << text.Edition;
}

// A writer that dies in the middle of its line: part of an entry, appended without the
// lock and without a line feed.
void AppendTornEntry(const std::string& record, std::size_t length) {
    const std::string line = cli::RecordLine(EntryOf("CRASHED", "ok"));
    std::ofstream(record, std::ios::binary | std::ios::app) << line.substr(0, length);
}

// Appenders each opening the record per line, as runs sharing a record do, and a writer
// that keeps dying in the middle of its line: no line mixes with another, a cut-off line
// swallows no whole entry, whether the next appender ended it with a line feed or
// (landing between that look and its write) was glued to it, and every entry follows the
// one before it in the chain.
TEST(ProductionRecord, AppendersAndCutOffLinesLoseNoWholeEntry) {
    TCliHarness harness;
    const std::string record = harness.Folder.Resolve("record.jsonl").string();
    constexpr int kWriters = 4;
    constexpr int kLines = 150;
    constexpr int kTorn = 40;
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer)
        writers.emplace_back([&record, writer] {
            const std::string adapter = "SPI" + std::to_string(writer) + std::string(300, '-');
            for (int line = 0; line < kLines; ++line) EXPECT_TRUE(cli::AppendToRecord(record, EntryOf(adapter, "ok")));
        });
    for (int torn = 0; torn < kTorn; ++torn) AppendTornEntry(record, 10 + torn * 7);
    for (std::thread& writer : writers) writer.join();

    const cli::TRecordSummary summary = cli::SummarizeRecord(*ui::ReadWholeFile(record));
    EXPECT_EQ(summary.Units, kWriters * kLines);
    EXPECT_EQ(summary.UnreadablePieces, kTorn);
    ASSERT_EQ(summary.ByAdapter.size(), static_cast<std::size_t>(kWriters));
    for (const auto& [adapter, count] : summary.ByAdapter) EXPECT_EQ(count, kLines) << adapter;

    const std::optional<cli::TChainVerdict> verdict = cli::CheckRecordFile(record);
    ASSERT_TRUE(verdict);
    EXPECT_FALSE(verdict->Broken()) << cli::ChainFindingText(verdict->Findings.front());
    EXPECT_EQ(verdict->ChainedEntries, kWriters * kLines);
    EXPECT_EQ(verdict->UnreadablePieces, kTorn);
}

// A record a crash cut off, in the middle of an entry: the next append ends the line
// first. A record that an older program went on writing has the next entry glued to the
// cut-off one, and the reader finds it there; every other piece is named by its line.
TEST(ProductionRecord, ACutOffLineIsEndedByTheNextAppendAndAGluedEntryIsFound) {
    TCliHarness harness;
    const std::string whole = cli::RecordLine(EntryOf("SPI1", "ok")) + "\n";
    const std::string torn = cli::RecordLine(EntryOf("SPI2", "ok")).substr(0, 40);
    const std::string record = harness.File("record.jsonl", whole + torn);

    ASSERT_TRUE(cli::AppendToRecord(record, EntryOf("SPI3", "write failed")));
    EXPECT_EQ(*ui::ReadWholeFile(record),
              whole + torn + "\n" + cli::ChainedLine(cli::RecordLine(EntryOf("SPI3", "write failed")), "") + "\n");
    // A unit's entry is asked for by its number among the whole entries, as they are
    // counted: the cut-off line is none of them.
    const std::optional<cli::TNumberedEntry> second = cli::NumberedEntry(record, 2);
    ASSERT_TRUE(second && second->Entry);
    EXPECT_EQ(*second->Entry, EntryOf("SPI3", "write failed"));
    EXPECT_EQ(second->Units, 2);
    EXPECT_FALSE(cli::NumberedEntry(record, 3)->Entry);
    EXPECT_FALSE(cli::NumberedEntry(record + ".missing", 1));

    std::vector<cli::TUnreadablePiece> named;
    cli::TRecordSummary summary;
    cli::TRecordScanner scanner(summary, "old.jsonl", [&named](const cli::TUnreadablePiece& p) { named.push_back(p); });
    scanner.Feed(whole + "junk" + torn + whole + "\n\r\n" + torn + whole + torn);
    scanner.Finish();
    EXPECT_EQ(summary.Units, 3);
    EXPECT_EQ(summary.ByAdapter, (std::map<std::string, int>{{"SPI1", 3}}));
    EXPECT_EQ(named,
              (std::vector<cli::TUnreadablePiece>{
                  {"old.jsonl", 2, false}, {"old.jsonl", 2, false}, {"old.jsonl", 5, false}, {"old.jsonl", 6, true}}));
    EXPECT_EQ(summary.Unreadable, named);
}

// The reader takes a record in blocks cut anywhere, an entry's start included, and gives
// the sums it gives for the record in one piece; a piece too long to be an entry is
// passed over, also when it lies across blocks, and the entry glued to its end counts.
TEST(ProductionRecord, TheReaderGivesTheSameSumsWhereverItsBlocksAreCut) {
    const std::string whole = cli::RecordLine(EntryOf("SPI1", "ok")) + "\n";
    const std::string record = whole + "not an entry\n" + whole.substr(0, 50) + whole + whole.substr(0, 90);
    const cli::TRecordSummary once = cli::SummarizeRecord(record);
    ASSERT_EQ(once.Units, 2);
    ASSERT_EQ(once.UnreadablePieces, 3);
    for (std::size_t cut = 0; cut <= record.size(); ++cut) {
        for (std::size_t second : {cut, (cut + record.size()) / 2}) {
            cli::TRecordSummary summary;
            cli::TRecordScanner scanner(summary, "");
            scanner.Feed(std::string_view(record).substr(0, cut));
            scanner.Feed(std::string_view(record).substr(cut, second - cut));
            scanner.Feed(std::string_view(record).substr(second));
            scanner.Finish();
            ASSERT_EQ(summary.Units, once.Units) << "cut at " << cut << " and " << second;
            ASSERT_EQ(summary.Unreadable, once.Unreadable) << "cut at " << cut << " and " << second;
        }
    }

    const std::string junk(cli::kLongestEntry + 1000, 'x');
    cli::TRecordSummary summary;
    cli::TRecordScanner scanner(summary, "");
    for (std::size_t at = 0; at < junk.size(); at += 4099) scanner.Feed(std::string_view(junk).substr(at, 4099));
    scanner.Feed(whole + junk.substr(0, 5) + whole);
    scanner.Finish();
    EXPECT_EQ(summary.Units, 2);
    EXPECT_EQ(summary.Unreadable, (std::vector<cli::TUnreadablePiece>{{"", 1, false}, {"", 2, false}}));
}

// A disk with no room left: the append fails and says so.
TEST(ProductionRecord, AnAppendToAFullDiskFails) {
    ASSERT_TRUE(cli::CanAppendToRecord("/dev/full"));
    EXPECT_FALSE(cli::AppendToRecord("/dev/full", EntryOf("SPI1", "ok")));
    TCliHarness harness;
    EXPECT_FALSE(cli::CanAppendToRecord(harness.Folder.Resolve("").string())) << "a folder";
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
TEST(ProductionRecord, LogSumsTheRecordsOfSeveralBenchesAndNamesTheRecordOfAPieceLeftOut) {
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

    EXPECT_EQ(cli::RunCommandLine({"log", first, second}, harness.Context), cli::kExitRecordDamaged)
        << harness.Err.str();

    const std::string digest = report::Sha256Hex("batch").substr(0, 12);
    EXPECT_EQ(harness.Out.str(),
              "4 units in 2 records, 2 unreadable pieces\n"
              "by result:\n  3  ok\n  1  write failed\n"
              "by written:\n  1  -\n  3  yes\n"
              "by kind:\n  1  gateway\n  3  handset\n"
              "by settings file:\n  1  batch.wpx (sha256 00)\n  3  batch.wpx (sha256 " +
                  digest +
                  ")\n"
                  "by adapter:\n  1  P1\n  3  P2\n"
                  "by bench:\n  1  -\n  2  BENCH1\n  1  BENCH2\n"
                  "by operator:\n  1  -\n  2  op-BENCH1\n  1  op-BENCH2\n"
                  "by program version:\n  1  -\n  3  v2.05A\n");
    EXPECT_EQ(harness.Err.str(), "zenta log: " + second + ":2: not a unit's entry\nzenta log: " + second +
                                     ":4: not a unit's entry (the last line, without its line feed: a run cut off "
                                     "while writing it)\n");

    harness.Out.str("");
    EXPECT_EQ(cli::RunCommandLine({"log", "--json", first, second}, harness.Context), cli::kExitRecordDamaged);
    const cli::TJson summary = cli::TJson::parse(harness.Out.str());
    EXPECT_EQ(summary["units"], 4);
    EXPECT_EQ(summary["unreadable"], cli::TJson::parse(R"([{"record":")" + second + R"(","line":2,"unended":false},)" +
                                                       R"({"record":")" + second + R"(","line":4,"unended":true}])"));
    EXPECT_EQ(summary["by_bench"], cli::TJson::parse(R"({"-":1,"BENCH1":2,"BENCH2":1})"));

    EXPECT_EQ(cli::RunCommandLine({"log", first}, harness.Context), cli::kExitOk);
    const std::string missing = harness.Folder.Resolve("missing.jsonl").string();
    EXPECT_EQ(cli::RunCommandLine({"log", first, missing}, harness.Context), cli::kExitFileError);
}

}  // namespace
}  // namespace cli_test
