// The bench's one vocabulary and the faults it arms: each kind of fault on the calls of
// a fixed walk over two units, counted with --after, for one transport or all, armed
// from a command line and again from the state file the bench is written to; and the
// refusals, each saying what is wrong.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "sim/BenchVocabulary.h"
#include "sim/SimLibrary.h"
#include "sim/SimStateFile.h"

namespace {

using sim::TSimBench;

constexpr char kA[] = "\\\\.\\CSR0";  // the first transport
constexpr char kB[] = "\\\\.\\CSR1";
constexpr unsigned kSlicesBeforeClear = 4;

// The library's time. A hung call waits in slices; after a few of them the operator
// clears the hang, as `zenta sim clear` would from another process.
class TBenchTime final : public ui::ISleep {
public:
    explicit TBenchTime(TSimBench& bench) : bench_(bench) {}
    void Sleep(unsigned milliseconds) override {
        Slept += milliseconds;
        if (bench_.Hung().empty() || ++hungSlices_ < kSlicesBeforeClear) return;
        const auto hung = bench_.Hung();
        for (const std::string& transport : hung) bench_.EndHang(transport);
    }
    unsigned Slept = 0;

private:
    TSimBench& bench_;
    unsigned hungSlices_ = 0;
};

std::string Ok(bool ok) { return ok ? "ok" : "fail"; }

std::string Read(sim::TSimLibrary& library, std::uint32_t handle, std::uint16_t key, bool words) {
    std::uint16_t buffer[36] = {};
    std::uint16_t length = 0;
    if (library.EngineReadKey(handle, key, sim::kPsStore, 36, buffer, &length) != 1) return "fail";
    if (!words) return std::to_string(length);
    std::string text;
    for (std::uint16_t i = 0; i < length; ++i) text.append(i ? "/" : "").append(sim::FormatWord(buffer[i]).substr(2));
    return text;
}

// The walk: version, SPI listing, opens of A and B, unit-type reads on A and B, the
// record read on A, a write and its read-back on A, chip name and restart on A, both
// closes; then what A stores in the written key, the time the library took, what sits on
// A and B, and the connections left open.
std::string Walk(TSimBench& bench) {
    TBenchTime time(bench);
    sim::TSimLibrary library(bench, time);
    std::vector<std::string> said;
    char text[sim::kEngineVersionBuffer] = {};
    said.push_back(Ok(library.EngineVersion(text) == 1));
    std::uint16_t capacity = 256;
    std::uint16_t count = 0;
    char names[256] = {};
    char transports[256] = {};
    said.push_back(Ok(library.FlashListSpiPorts(&capacity, names, transports, &count) == 0));
    const std::uint32_t a = library.EngineOpenTransport(2, kA, 0, 1000, 1000);
    said.push_back(Ok(a != 0));
    const std::uint32_t b = library.EngineOpenTransport(2, kB, 0, 1000, 1000);
    said.push_back(Ok(b != 0));
    said.push_back(Read(library, a, 0x02A9, false));
    said.push_back(Read(library, b, 0x02A9, false));
    said.push_back(Read(library, a, 0x02AB, false));
    const std::uint16_t written[] = {1, 2};
    said.push_back(Ok(library.EngineWriteKey(a, 0x0600, sim::kPsStore, 2, written) == 1));
    said.push_back(Read(library, a, 0x0600, true));
    said.push_back(Ok(library.EngineChipName(a, 256, text) == 1));
    said.push_back(Ok(library.EngineRestart(a, 0) == 1));
    said.push_back(Ok(library.EngineClose(a) == 1));
    said.push_back(Ok(library.EngineClose(b) == 1));
    std::string walk;
    for (const std::string& each : said) walk.append(walk.empty() ? "" : " ").append(each);
    return walk + " | " + bench.UnitOn(kA).KeyText(0x0600) + " | " + std::to_string(time.Slept) + " ms | " +
           std::string(sim::KindName(bench.UnitOn(kA).Kind())) + " " +
           std::string(sim::KindName(bench.UnitOn(kB).Kind())) + " | open " + std::to_string(bench.OpenConnections());
}

TSimBench TwoHandsets() {
    TSimBench bench;
    bench.AttachUnit(kB, sim::TSimUnit::Factory(sim::TUnitKind::Handset));
    return bench;
}

struct TFaultCase {
    std::vector<std::string> Command;
    std::string Walk;
};

class BenchFaults : public ::testing::TestWithParam<TFaultCase> {};

void PrintTo(const TFaultCase& c, std::ostream* os) {
    for (const std::string& word : c.Command) *os << word << ' ';
}

TEST_P(BenchFaults, ArmedFromACommandOrFromTheStateFileDoTheSameToTheWalk) {
    TSimBench armed = TwoHandsets();
    if (!GetParam().Command.empty()) {
        sim::TBenchReader reader(sim::TBenchSource::Command);
        std::string reason;
        const auto change = reader.Read(sim::BenchWords(GetParam().Command), reason);
        ASSERT_TRUE(change) << reason;
        EXPECT_FALSE((*change)(armed).empty()) << "a command says what it did";
    }
    TSimBench reloaded;
    std::string error;
    ASSERT_TRUE(sim::ParseBenchState(sim::FormatBenchState(armed), reloaded, &error)) << error;
    EXPECT_EQ(Walk(armed), GetParam().Walk);
    EXPECT_EQ(Walk(reloaded), GetParam().Walk);
}

// Reads answer with the length they report; the read-back of the written key with its
// words.
const char* const kClean = "ok ok ok ok 1 1 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0";

INSTANTIATE_TEST_SUITE_P(
    Sim, BenchFaults,
    ::testing::Values(
        TFaultCase{{}, kClean},
        // --after counts the calls of the kind on every transport, or on the one named.
        TFaultCase{{"fail", "read", "1", "--after", "2"},
                   "ok ok ok ok 1 1 fail ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "read", "1", "--after", "1", "--transport", kA},
                   "ok ok ok ok 1 1 fail ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "read", "3", "transport=" + std::string(kB)},
                   "ok ok ok ok 1 fail 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "read", "2", "--key", "0x02A9"},
                   "ok ok ok ok fail fail 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "any", "1", "--after", "4"},
                   "ok ok ok ok fail 1 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        // A failed open leaves no handle: every later call on it fails without counting.
        TFaultCase{{"fail", "open", "1", "--transport", kB},
                   "ok ok ok fail 1 fail 25 ok 0001/0002 ok ok ok fail | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "close", "1"},
                   "ok ok ok ok 1 1 25 ok 0001/0002 ok ok fail ok | 0001 0002 | 0 ms | handset handset | open 1"},
        TFaultCase{{"fail", "write", "1", "--key", "0x0600"},
                   "ok ok ok ok 1 1 25 fail fail ok ok ok ok | absent | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "chip-name", "1"},
                   "ok ok ok ok 1 1 25 ok 0001/0002 fail ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "restart", "1"},
                   "ok ok ok ok 1 1 25 ok 0001/0002 ok fail ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "version", "1"},
                   "fail ok ok ok 1 1 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"fail", "list-spi", "1"},
                   "ok fail ok ok 1 1 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"corrupt", "write", "1"},
                   "ok ok ok ok 1 1 25 ok 0001/0003 ok ok ok ok | 0001 0003 | 0 ms | handset handset | open 0"},
        TFaultCase{{"corrupt", "read", "1", "--key", "0x0600"},
                   "ok ok ok ok 1 1 25 ok 0001/0003 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"read-length", "40", "--after", "1", "--key", "0x02A9"},
                   "ok ok ok ok 1 40 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        TFaultCase{{"read-length", "7", "--transport", kA},
                   "ok ok ok ok 7 1 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 0 ms | handset handset | open 0"},
        // A pull once K calls have been made: the calls after it find nothing.
        TFaultCase{{"pull", "read", "--after", "1", "--transport", kA},
                   "ok ok ok ok 1 1 fail fail fail fail fail ok ok | absent | 0 ms | none handset | open 0"},
        TFaultCase{{"pull", "any", "--after", "3"},
                   "ok ok ok ok fail 1 fail fail fail fail fail ok ok | absent | 0 ms | none handset | open 0"},
        TFaultCase{{"pull", "version", "--after", "1"},
                   "ok ok fail ok fail 1 fail fail fail fail fail fail ok | absent | 0 ms | none handset | open 0"},
        TFaultCase{{"pull", "open", "--transport", kB},
                   "ok ok ok fail 1 fail 25 ok 0001/0002 ok ok ok fail | 0001 0002 | 0 ms | handset none | open 0"},
        // A hang lasts until cleared (here after four slices), or for its own time.
        TFaultCase{{"hang", "read", "--transport", kB},
                   "ok ok ok ok 1 fail 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 200 ms | handset handset | open 0"},
        TFaultCase{{"hang", "write", "--for", "120"},
                   "ok ok ok ok 1 1 25 fail fail ok ok ok ok | absent | 120 ms | handset handset | open 0"},
        TFaultCase{{"latency", "5"},
                   "ok ok ok ok 1 1 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 65 ms | handset handset | open 0"},
        TFaultCase{{"latency", "7", "--transport", kB},
                   "ok ok ok ok 1 1 25 ok 0001/0002 ok ok ok ok | 0001 0002 | 21 ms | handset handset | open 0"},
        TFaultCase{{"chip", "BC05-MM", "--transport", kB}, kClean}));

std::vector<std::string> CallResults(const std::string& walk) {
    std::vector<std::string> results;
    std::istringstream words(walk.substr(0, walk.find(" | ")));
    for (std::string word; words >> word;) results.push_back(word);
    return results;
}

TSimBench Armed(const std::vector<std::string>& command) {
    TSimBench bench = TwoHandsets();
    sim::TBenchReader reader(sim::TBenchSource::Command);
    std::string reason;
    const auto change = reader.Read(sim::BenchWords(command), reason);
    EXPECT_TRUE(change) << reason;
    if (change) (*change)(bench);
    return bench;
}

// The journal numbers a flow's calls as --after counts them: a fault on any call after i
// calls lands on the journal's call i, whatever its kind and transport.
TEST(BenchJournal, CallINoteIsTheOneAfterIReaches) {
    TSimBench journaled = Armed({"journal", "on"});
    const std::vector<std::string> clean = CallResults(Walk(journaled));
    ASSERT_TRUE(journaled.Journal);
    ASSERT_EQ(journaled.Journal->size(), clean.size());
    EXPECT_EQ(sim::DescribeCall(journaled.Journal->at(5)), "read of key 0x02A9 on \\\\.\\CSR1");
    for (std::size_t i = 0; i < clean.size(); ++i) {
        SCOPED_TRACE(sim::DescribeCall(journaled.Journal->at(i)));
        TSimBench bench = Armed({"fail", "any", "1", "--after", std::to_string(i)});
        const std::vector<std::string> results = CallResults(Walk(bench));
        ASSERT_EQ(results.size(), clean.size());
        EXPECT_EQ(std::vector<std::string>(results.begin(), results.begin() + static_cast<std::ptrdiff_t>(i)),
                  std::vector<std::string>(clean.begin(), clean.begin() + static_cast<std::ptrdiff_t>(i)));
        EXPECT_EQ(results[i], "fail");
    }
    TSimBench reloaded;
    ASSERT_TRUE(sim::ParseBenchState(sim::FormatBenchState(journaled), reloaded));
    EXPECT_EQ(sim::FormatBenchState(reloaded), sim::FormatBenchState(journaled)) << "the journal is kept in the file";
}

// Refusals name what is wrong, in the words of the line.
TEST(BenchVocabulary, RefusesALineWithTheReason) {
    struct TCase {
        sim::TBenchSource Source;
        std::vector<std::string> Line;
        const char* Reason;
    };
    using S = sim::TBenchSource;
    const TCase cases[] = {
        {S::Command, {"fail"}, "CALL is missing"},
        {S::Command,
         {"fail", "jump", "1"},
         "the call is open, close, read, write, restart, chip-name, version, "
         "list-spi or any, not \"jump\""},
        {S::Command, {"fail", "read"}, "N is missing"},
        {S::Command, {"fail", "read", "1", "2"}, "unexpected \"2\""},
        {S::Command, {"fail", "read", "1", "--after"}, "--after needs a value"},
        {S::Command,
         {"fail", "read", "1", "--after", "-1"},
         "--after must be a number from 0 to 4294967295, not \"-1\""},
        {S::Command, {"fail", "read", "1", "--after", "1", "after=2"}, "--after given twice"},
        {S::Command, {"fail", "read", "1", "--colour", "red"}, "unknown option --colour"},
        {S::Command, {"fail", "open", "1", "--key", "0x02AB"}, "only reads and writes name a key"},
        {S::Command, {"fail", "version", "1", "--transport", "X"}, "the version call reaches no transport"},
        {S::Command, {"hang", "read", "--for", "0"}, "--for must be a number from 1 to 4294967295, not \"0\""},
        {S::Script, {"hang", "read"}, "nothing would end the hang: give --for MS"},
        {S::Command, {"corrupt", "open", "1"}, "the call is read or write, not \"open\""},
        {S::Command, {"read-length", "70000"}, "N must be a number from 0 to 65535, not \"70000\""},
        {S::Command, {"latency", "5", "--transport", "A,B"}, "--transport needs an SPI port's transport string"},
        {S::Command, {"attach", "none", "--edition", "kesto"}, "none has no --edition or --version"},
        {S::Command, {"attach", "gateway", "--edition", "gold"}, "the edition is ardex or kesto, not \"gold\""},
        {S::Command, {"unit", "robot"}, "the unit is handset, gateway, tavin, unknown or none, not \"robot\""},
        {S::Command, {"pskey", "0x02AB", "0x10000"}, "W must be a number from 0 to 65535, not \"0x10000\""},
        {S::Command, {"spi-ports", "A", "B", "--result", "x"}, "--result must be a number from -2147483648"},
        {S::StateFile, {"connection", "0x1001"}, "a connection stands in the section of its transport"},
        {S::StateFile, {"format", "2"}, "format 2 is not this simulator's (format 3)"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line.front() + " ... " + c.Reason);
        sim::TBenchReader reader(c.Source);
        ASSERT_TRUE(reader.Knows(c.Line.front()));
        std::string reason;
        EXPECT_FALSE(reader.Read(sim::BenchWords(c.Line), reason));
        EXPECT_NE(reason.find(c.Reason), std::string::npos) << reason;
    }
    // The state file's bookkeeping is no command.
    for (const char* word : {"transport", "connection", "counters", "handles", "hung", "format", "last-open"}) {
        EXPECT_FALSE(sim::TBenchReader(sim::TBenchSource::Command).Knows(word)) << word;
        EXPECT_FALSE(sim::TBenchReader(sim::TBenchSource::Script).Knows(word)) << word;
        EXPECT_EQ(sim::FindBenchCommand(word), nullptr) << word;
    }
}

}  // namespace
