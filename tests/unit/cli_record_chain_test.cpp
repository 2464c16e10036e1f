// The production record's chain: every kind of alteration of a record the program wrote,
// at its first, a middle and its last lines, is named with the lines it broke; records of
// older programs read as unchained; `zenta log --check` gives the verdict and exit code.

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/ChainCheck.h"
#include "cli/record/ProductionRecord.h"
#include "cli/record/RecordChain.h"
#include "report/Sha256.h"
#include "tests/support/RecordEntries.h"
#include "ui/LocalFiles.h"

namespace cli_test {
namespace {

using cli::TChainFault;
using cli::TChainFinding;
using TLines = std::vector<std::string>;

// The lines of a record of `count` entries, appended one by one as a run appends them,
// each naming the record and its unit as its adapter.
TLines WrittenRecord(TCliHarness& harness, const std::string& name, int count) {
    const std::string path = harness.Folder.Resolve(name).string();
    for (int unit = 1; unit <= count; ++unit)
        EXPECT_TRUE(cli::AppendToRecord(path, EntryOf(name + std::to_string(unit))));
    TLines lines;
    std::istringstream in(*ui::ReadWholeFile(path));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Joined(const TLines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).push_back('\n');
    return bytes;
}

cli::TChainVerdict Checked(std::string_view bytes) {
    cli::TChainCheck check("record.jsonl");
    cli::TRecordSummary summary;
    cli::TRecordScanner scanner(summary, "record.jsonl", {}, [&check](const cli::TRecordPiece& p) { check.Piece(p); });
    scanner.Feed(bytes);
    scanner.Finish();
    return check.Finish();
}

TChainFinding Edited(int line) { return {.Line = line, .Fault = TChainFault::Edited}; }
TChainFinding Follows(int line, int before, int follows) {
    return {.Line = line, .Fault = TChainFault::OutOfOrder, .Before = before, .Follows = follows};
}
TChainFinding BeginsChain(int line, int before) {
    return {.Line = line, .Fault = TChainFault::OutOfOrder, .Before = before, .BeginsChain = true};
}

// Each alteration of an eight-entry record: what it does to the lines, the findings, in
// the order of their lines, and the exit code of zenta log --check.
TEST(RecordChain, EveryAlterationIsNamedWithTheLinesItBroke) {
    TCliHarness harness;
    const TLines written = WrittenRecord(harness, "written.jsonl", 8);
    const TLines foreign = WrittenRecord(harness, "foreign.jsonl", 2);
    ASSERT_EQ(written.size(), 8U);
    const auto erase = [](int line) {
        return [line](TLines lines) {
            lines.erase(lines.begin() + line - 1);
            return lines;
        };
    };
    const auto insert = [](int line, std::string text) {
        return [line, text](TLines lines) {
            lines.insert(lines.begin() + line - 1, text);
            return lines;
        };
    };
    // The unit's adapter, "written.jsonlN", told as another's.
    const auto edit = [](int line) {
        return [line](TLines lines) {
            lines[line - 1].replace(lines[line - 1].find("written.jsonl"), 13, "written.jsonX");
            return lines;
        };
    };
    const auto swap = [](int line) {
        return [line](TLines lines) {
            std::swap(lines[line - 1], lines[line]);
            return lines;
        };
    };
    const struct {
        const char* Alteration;
        std::function<TLines(TLines)> Alter;
        std::vector<TChainFinding> Findings;
        int Exit;
    } cases[] = {
        {"nothing", [](TLines lines) { return lines; }, {}, cli::kExitOk},
        {"line 1 edited", edit(1), {Edited(1)}, cli::kExitChainBroken},
        {"the last line edited", edit(8), {Edited(8)}, cli::kExitChainBroken},
        {"line 1 deleted", erase(1), {Follows(1, 0, 0)}, cli::kExitChainBroken},
        {"line 4 deleted", erase(4), {Follows(4, 3, 0)}, cli::kExitChainBroken},
        // Lines cut off the end leave a record that ended there: the chain cannot tell.
        {"the last line deleted", erase(8), {}, cli::kExitOk},
        {"a foreign entry put in first",
         insert(1, foreign[1]),
         {Follows(1, 0, 0), BeginsChain(2, 1)},
         cli::kExitChainBroken},
        {"a foreign entry put in at 5",
         insert(5, foreign[1]),
         {Follows(5, 4, 0), Follows(6, 5, 4)},
         cli::kExitChainBroken},
        {"a foreign entry put in last", insert(9, foreign[0]), {BeginsChain(9, 8)}, cli::kExitChainBroken},
        {"line 2 copied to 6", insert(6, written[1]), {Follows(6, 5, 1), Follows(7, 6, 5)}, cli::kExitChainBroken},
        {"a line of text put in at 3",
         insert(3, "checked by Q"),
         {{.Line = 3, .Fault = TChainFault::NotAnEntry}},
         cli::kExitRecordDamaged},
        {"an older program's entry put in at 3",
         insert(3, cli::RecordLine(EntryOf("OLD"))),
         {{.Line = 3, .Fault = TChainFault::Unchained, .ChainBegan = 1}},
         cli::kExitChainBroken},
        {"lines 1 and 2 swapped",
         swap(1),
         {Follows(1, 0, 2), BeginsChain(2, 1), Follows(3, 2, 1)},
         cli::kExitChainBroken},
        {"lines 4 and 5 swapped",
         swap(4),
         {Follows(4, 3, 5), Follows(5, 4, 3), Follows(6, 5, 4)},
         cli::kExitChainBroken},
        {"lines 7 and 8 swapped", swap(7), {Follows(7, 6, 8), Follows(8, 7, 6)}, cli::kExitChainBroken},
    };
    for (const auto& c : cases) {
        const std::string bytes = Joined(c.Alter(written));
        EXPECT_EQ(Checked(bytes).Findings, c.Findings) << c.Alteration;
        const std::string path = harness.File("altered.jsonl", bytes);
        EXPECT_EQ(cli::RunCommandLine({"log", "--check", path}, harness.Context), c.Exit) << c.Alteration;
    }
}

// One byte changed anywhere in the first, a middle or the last line names that line, and
// no other; only a change to the name of the chain member hides the value the next line
// follows, which is then named as well.
TEST(RecordChain, OneByteChangedAnywhereNamesItsLine) {
    TCliHarness harness;
    const TLines written = WrittenRecord(harness, "written.jsonl", 5);
    const std::size_t chainName = written[0].rfind(R"(,"chain":")");
    for (const int line : {1, 3, 5}) {
        for (std::size_t at = 0; at < written[line - 1].size(); ++at) {
            TLines lines = written;
            lines[line - 1][at] = static_cast<char>(lines[line - 1][at] ^ 1);
            const cli::TChainVerdict verdict = Checked(Joined(lines));
            ASSERT_TRUE(verdict.Broken()) << "line " << line << ", byte " << at;
            std::set<int> named;
            for (const TChainFinding& finding : verdict.Findings) named.insert(finding.Line);
            const bool inChainName = at >= chainName && at < chainName + 10;
            const std::set<int> expected =
                inChainName && line < 5 ? std::set<int>{line, line + 1} : std::set<int>{line};
            ASSERT_EQ(named, expected) << "line " << line << ", byte " << at << ": "
                                       << cli::ChainFindingText(verdict.Findings[0]);
        }
    }
}

// Records of older programs read as unchained, their entries counted; the program's
// entries appended to one begin the chain there. A line a crash cut off is named as zenta
// log names it, and the entry after it follows the entry before it; a whole entry that
// lost its line feed (an editor's saving) is followed itself.
TEST(RecordChain, OlderRecordsAreUnchainedAndACutOffLineKeepsTheChain) {
    TCliHarness harness;
    const std::string old = cli::RecordLine(EntryOf("OLD")) + "\n";
    const std::string path = harness.File("bench.jsonl", old + old);
    EXPECT_EQ(cli::RunCommandLine({"log", "--check", path}, harness.Context), cli::kExitOk);
    EXPECT_EQ(harness.Out.str(), path + ": unchained: 2 entries, written before records were chained\n");

    ASSERT_TRUE(cli::AppendToRecord(path, EntryOf("SPI1")));
    std::ofstream(path, std::ios::binary | std::ios::app) << cli::RecordLine(EntryOf("CRASHED")).substr(0, 40);
    ASSERT_TRUE(cli::AppendToRecord(path, EntryOf("SPI2")));
    harness.Out.str("");
    EXPECT_EQ(cli::RunCommandLine({"log", "--check", path}, harness.Context), cli::kExitRecordDamaged);
    EXPECT_EQ(harness.Out.str(), path + ":4: not a unit's entry\n" + path +
                                     ": intact: 2 entries chained from line 3, after 2 entries written before records "
                                     "were chained; 1 piece that is no unit's entry\n");

    harness.Out.str("");
    EXPECT_EQ(cli::RunCommandLine({"log", "--check", "--json", path}, harness.Context), cli::kExitRecordDamaged);
    const cli::TJson verdict = cli::TJson::parse(harness.Out.str())["records"][0];
    EXPECT_EQ(verdict["verdict"], "intact");
    EXPECT_EQ(verdict["entries"], 4);
    EXPECT_EQ(verdict["chained_entries"], 2);
    EXPECT_EQ(verdict["first_chained_line"], 3);
    EXPECT_EQ(verdict["findings"],
              cli::TJson::parse(R"([{"line":4,"kind":"not an entry","text":"not a unit's entry"}])"));
}

}  // namespace
}  // namespace cli_test
