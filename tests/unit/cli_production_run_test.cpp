// A production run over several simulated units that the test swaps onto the bench
// whenever the run pauses to look at the link: each unit is programmed and verified
// with a window of its own, a failed unit does not stop the run, Ctrl-C ends it between
// units, and a file with findings is refused before any unit is looked for.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <deque>

#include "CliHarness.h"
#include "HangingLibrary.h"
#include "cli/framework/ExitCodes.h"
#include "cli/framework/JsonOutput.h"
#include "cli/record/ProductionRecord.h"
#include "cli/record/RecordSummary.h"
#include "report/Sha256.h"
#include "sim/SimUnit.h"
#include "ui/LocalFiles.h"

namespace cli_test {
namespace {

using sim::TEdition;
using sim::TSimUnit;
using sim::TUnitKind;

struct TQueuedUnit {
    TSimUnit Unit;
    std::function<void(sim::TSimBench&)> Arrange;  // faults for this unit's turn
};

class ProductionRun : public ::testing::Test {
protected:
    ProductionRun() {
        harness.Bench.AttachUnit(TSimUnit());
        harness.Poller.OnSleep = [this] { SwapUnits(); };
    }

    // A unit on the link has been dealt with and is taken away; on an empty link the next
    // unit arrives, or with a quick operator it arrives in the same moment; when none is
    // left, the operator presses Ctrl-C.
    void SwapUnits() {
        sim::TSimBench& bench = harness.Bench;
        if (bench.Unit().Answers()) {
            done.push_back(bench.Unit());
            bench.AttachUnit(TSimUnit());
            if (!quickSwap) return;
        }
        if (queue.empty()) {
            harness.Interrupt.Pulled = true;
            return;
        }
        bench.AttachUnit(queue.front().Unit);
        if (queue.front().Arrange) queue.front().Arrange(bench);
        queue.pop_front();
    }

    int Run(const std::vector<std::string>& args) {
        std::vector<std::string> line{"program"};
        line.insert(line.end(), args.begin(), args.end());
        const int code = cli::RunCommandLine(line, harness.Context);
        if (harness.Bench.Unit().Answers()) done.push_back(harness.Bench.Unit());
        return code;
    }

    // Whether `text` starts with `shape`, where each '0' of the shape stands for any digit.
    static bool StartsWithShape(const std::string& text, const std::string& shape) {
        if (text.size() < shape.size()) return false;
        for (std::size_t i = 0; i < shape.size(); ++i)
            if (shape[i] == '0' ? !std::isdigit(static_cast<unsigned char>(text[i])) : text[i] != shape[i])
                return false;
        return true;
    }
    // A unit's line starts with the time, "HH:MM:SS  ".
    static bool StartsWithTime(const std::string& line) { return StartsWithShape(line, "00:00:00  "); }

    // Standard output without the time at the start of each unit's line.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        std::istringstream out(harness.Out.str());
        for (std::string line; std::getline(out, line);) lines.push_back(StartsWithTime(line) ? line.substr(10) : line);
        return lines;
    }

    const std::vector<std::uint16_t>& Record(const TSimUnit& unit, std::uint16_t key) {
        const std::vector<std::uint16_t>* words = unit.Find(key);
        EXPECT_NE(words, nullptr);
        static const std::vector<std::uint16_t> none;
        return words ? *words : none;
    }

    TCliHarness harness;
    std::deque<TQueuedUnit> queue;
    bool quickSwap = false;
    std::vector<TSimUnit> done;
};

TEST_F(ProductionRun, ProgramsEachUnitInTurnAndGoesOnAfterAFailedOne) {
    const std::string file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
    queue = {
        {TSimUnit::Factory(TUnitKind::Handset), nullptr},
        {TSimUnit::Factory(TUnitKind::Handset), [](sim::TSimBench& b) { b.Faults.FailNext(sim::TSimCall::Write, 3); }},
        {TSimUnit::Factory(TUnitKind::Gateway, TEdition::Kesto), nullptr},
        {TSimUnit::Factory(TUnitKind::Gateway, TEdition::Ardex, 0x0206), nullptr},
        {TSimUnit::Factory(TUnitKind::Handset),
         [](sim::TSimBench& b) { b.Faults.MisreportNextRead(24, devlink::PSKEY_HS_XSETTINGS); }},
        {TSimUnit::Factory(TUnitKind::Tavin), nullptr},
    };

    const std::string record = harness.Folder.Resolve("record.jsonl").string();

    EXPECT_EQ(Run({"--count", "6", "--restart", "--log", record, file}), cli::kExitUnitsFailed) << harness.Err.str();

    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "1/6  handset  V2.05  Ardex  ok",
                           "2/6  handset  V2.05  Ardex  write failed: Fail to write ZENTA Handset settings.",
                           "3/6  gateway  V2.05  Kesto  ok",
                           "4/6  gateway  V2.06  Ardex  ok",
                           "5/6  handset  V2.05  Ardex  verify failed: The record read back has 24 words, not 25.",
                           "6/6  Tavin unit  V2.05  Ardex  refused: The device is not ZENTA Fennic Series Handset.",
                           "6 units: 3 programmed, 3 failed",
                       }));
    ASSERT_EQ(done.size(), 6u);
    EXPECT_EQ(Record(done[0], devlink::PSKEY_HS_XSETTINGS)[1], 12) << "the file's auto turn-off timer";
    const sim::TRecord factory = sim::FactoryHandsetRecord();
    EXPECT_EQ(Record(done[1], devlink::PSKEY_HS_XSETTINGS), std::vector<std::uint16_t>(factory.begin(), factory.end()));
    // Word 0 bit 14 is Multi Operational Mics, ticked in the file: a Kesto gateway never
    // has it, and the Ardex gateway after it has it again, from a window of its own.
    EXPECT_EQ(Record(done[2], devlink::PSKEY_GW_XSETTINGS)[0] & 0x4000, 0);
    EXPECT_EQ(Record(done[3], devlink::PSKEY_GW_XSETTINGS)[0] & 0x4000, 0x4000);
    // Only units whose record read back right are restarted.
    std::vector<unsigned> restarts;
    for (const TSimUnit& unit : done) restarts.push_back(unit.Restarts());
    EXPECT_EQ(restarts, (std::vector<unsigned>{1, 0, 1, 1, 0, 0}));
    EXPECT_EQ(harness.Bench.OpenConnections(), 0u);
    for (unsigned wait : harness.Poller.Waits) EXPECT_EQ(wait, 500u);

    const std::string entries = *ui::ReadWholeFile(record);
    const cli::TRecordSummary summary = cli::SummarizeRecord(entries);
    EXPECT_EQ(summary.Units, 6);
    EXPECT_EQ(summary.ByResult,
              (std::map<std::string, int>{{"ok", 3}, {"write failed", 1}, {"verify failed", 1}, {"refused", 1}}));
    EXPECT_EQ(summary.ByKind, (std::map<std::string, int>{{"handset", 3}, {"gateway", 2}, {"Tavin unit", 1}}));
    EXPECT_EQ(summary.ByAdapter.size(), 1u);
    const cli::TJson first = cli::TJson::parse(entries.substr(0, entries.find('\n')));
    // Local time in ISO 8601 with the offset: 2026-12-08T07:15:02+01:00.
    const std::string time = first["time"].get<std::string>();
    EXPECT_EQ(time.size(), 25u) << time;
    EXPECT_TRUE(StartsWithShape(time, "0000-00-00T00:00:00+00:00") ||
                StartsWithShape(time, "0000-00-00T00:00:00-00:00"))
        << time;
    EXPECT_EQ(first["file"], file);
    EXPECT_EQ(first["sha256"], report::Sha256Hex(*ui::ReadWholeFile(file)));
    EXPECT_EQ(first["version"], "V2.05");
    EXPECT_EQ(first["edition"], "Ardex");
    // The bench is the computer's name as the network knows it.
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(first["bench"], host);
    EXPECT_NE(first["operator"], "");
    EXPECT_EQ(first["program_version"], "v2.05A");
    EXPECT_EQ(first["verification"], "verified");
    EXPECT_GE(first["seconds"].get<double>(), 0.0);
    // A write the library refused is no write; one whose read-back failed is one.
    std::vector<std::string> outcomes;
    std::istringstream lines(entries);
    for (std::string line; std::getline(lines, line);) {
        const cli::TJson entry = cli::TJson::parse(line);
        outcomes.push_back(entry["written"].get<std::string>() + " " + entry["verification"].get<std::string>());
    }
    EXPECT_EQ(outcomes, (std::vector<std::string>{"yes verified", "no not reached", "yes verified", "yes verified",
                                                  "yes differs", "no not reached"}));
}

TEST_F(ProductionRun, EndsBetweenUnitsOnCtrlC) {
    const std::string file = harness.File("batch.wpx", DefaultsFile());
    queue = {{TSimUnit::Factory(TUnitKind::Handset), nullptr}, {TSimUnit::Factory(TUnitKind::Gateway), nullptr}};

    const std::string record = harness.Folder.Resolve("record.jsonl").string();

    EXPECT_EQ(Run({file, "--count", "5", "--log", record}), cli::kExitInterrupted);

    EXPECT_TRUE(harness.Interrupt.Armed);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1/5  handset  V2.05  Ardex  ok", "2/5  gateway  V2.05  Ardex  ok",
                                                 "2 units: 2 programmed, 0 failed, interrupted"}));
    // Without --restart no unit is restarted.
    for (const TSimUnit& unit : done) EXPECT_EQ(unit.Restarts(), 0u);
    const std::string entries = *ui::ReadWholeFile(record);
    EXPECT_EQ(cli::SummarizeRecord(entries).ByKind, (std::map<std::string, int>{{"handset", 1}, {"gateway", 1}}));
    EXPECT_EQ(entries.back(), '\n') << "a run ended between units leaves whole entries only";
}

// The operator takes each unit away and puts the next on in the same moment, between two
// of the run's looks: a unit that reads otherwise than the one just programmed is another
// and is programmed; one that reads the same (it already holds these settings, a handset
// of the same version) needs no write, and the run says so while it waits.
TEST_F(ProductionRun, AUnitPutOnAtOnceInPlaceOfTheLastIsToldFromIt) {
    const std::string file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
    quickSwap = true;
    const auto holdingTheLast = [this](sim::TSimBench& bench) {
        bench.Unit().SetKey(devlink::PSKEY_HS_XSETTINGS, *done.back().Find(devlink::PSKEY_HS_XSETTINGS));
    };
    queue = {{TSimUnit::Factory(TUnitKind::Handset), nullptr},
             {TSimUnit::Factory(TUnitKind::Handset), nullptr},
             {TSimUnit::Factory(TUnitKind::Handset), holdingTheLast},
             {TSimUnit::Factory(TUnitKind::Gateway), nullptr}};

    EXPECT_EQ(Run({"--count", "3", file}), cli::kExitOk) << harness.Err.str();

    EXPECT_EQ(Lines(), (std::vector<std::string>{"1/3  handset  V2.05  Ardex  ok", "2/3  handset  V2.05  Ardex  ok",
                                                 "3/3  gateway  V2.05  Ardex  ok", "3 units: 3 programmed, 0 failed"}));
    EXPECT_EQ(harness.Bench.Counters.Writes, 3u) << "the handset that held the settings was written";
    EXPECT_NE(harness.Err.str().find("Waiting for unit 2 to be taken away; a unit put on in its place that already "
                                     "holds these settings needs no write (Ctrl-C ends the run)\n"),
              std::string::npos)
        << harness.Err.str();
    EXPECT_EQ(harness.Err.str().find("Waiting for unit 2 of 3"), std::string::npos) << "unit 2 was awaited";
}

// The unit just programmed is taken away in the middle of a look, after its open or after
// its chip's name: the look tells nothing, at no cost of retries, and the unit is not
// taken for another.
TEST_F(ProductionRun, AUnitTakenAwayInTheMiddleOfALookIsNotTakenForAnother) {
    const std::string file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
    for (const sim::TSimCall call : {sim::TSimCall::Open, sim::TSimCall::ChipName}) {
        SCOPED_TRACE(sim::CallName(call));
        harness.Out.str("");
        harness.Sleeper.Waits.clear();
        // The look's open is the unit's third, after the one that found it and its
        // programming's; its chip's name the second.
        const std::uint32_t after = call == sim::TSimCall::Open ? 3 : 2;
        queue = {{TSimUnit::Factory(TUnitKind::Handset),
                  [call, after](sim::TSimBench& bench) {
                      sim::TSimFault pull;
                      pull.Kind = sim::TSimFaultKind::Pull;
                      pull.Call = call;
                      pull.After = after;
                      bench.Faults.Arm(pull);
                  }},
                 {TSimUnit::Factory(TUnitKind::Handset), nullptr}};

        EXPECT_EQ(Run({"--count", "2", file}), cli::kExitOk) << harness.Err.str();

        EXPECT_EQ(Lines(), (std::vector<std::string>{"1/2  handset  V2.05  Ardex  ok", "2/2  handset  V2.05  Ardex  ok",
                                                     "2 units: 2 programmed, 0 failed"}));
        EXPECT_EQ(harness.Sleeper.Waits, std::vector<unsigned>{}) << "a read of the look was tried again";
    }
}

// The record's disk has no room left: the unit just programmed keeps its line, but as
// its entry cannot be appended the run names the record and stops before it looks for
// the next unit, and its summary counts the unit without an entry.
TEST_F(ProductionRun, StopsBeforeTheNextUnitWhenTheRecordTakesNoEntry) {
    const std::string file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
    queue = {{TSimUnit::Factory(TUnitKind::Handset), nullptr}, {TSimUnit::Factory(TUnitKind::Handset), nullptr}};

    EXPECT_EQ(Run({"--count", "2", "--log", "/dev/full", file}), cli::kExitRecordFailed);

    EXPECT_EQ(Lines(), (std::vector<std::string>{"1/2  handset  V2.05  Ardex  ok",
                                                 "1 unit: 1 programmed, 0 failed, 1 without its record entry"}));
    EXPECT_NE(harness.Err.str().find("zenta program: /dev/full: the entry of unit 1 could not be appended"),
              std::string::npos)
        << harness.Err.str();
    EXPECT_EQ(queue.size(), 1u) << "the second unit was looked for";
}

// A library call that does not return, in the look at the link, in the unit's write or
// in its read-back: once the limit is past the run says so, records the unit in hand with
// how far its write got, and ends the process. A second Ctrl-C does the same at once,
// whatever the limit.
TEST_F(ProductionRun, AHungCallOrASecondCtrlCEndsTheRunWithTheUnitInHandRecorded) {
    const struct {
        const char* Call;
        int Nth;
        bool SecondCtrlC;
        std::vector<std::string> Lines;
        const char* Entry;  // "RESULT WRITTEN", or none
        int Code;
    } cases[] = {
        {"EngineOpenTransport", 1, false, {"0 units: 0 programmed, 0 failed"}, nullptr, cli::kExitUnitsFailed},
        {"EngineWriteKey",
         1,
         false,
         {"1/2  -  -  -  no answer: written unknown", "1 unit: 0 programmed, 1 failed"},
         "no answer unknown",
         cli::kExitUnitsFailed},
        {"EngineReadKey",
         3,
         true,
         {"1/2  -  -  -  interrupted: written yes", "1 unit: 0 programmed, 1 failed, interrupted"},
         "interrupted yes",
         cli::kExitInterrupted},
    };
    const std::string file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Call);
        harness.Out.str("");
        harness.Err.str("");
        harness.Ended.clear();
        harness.Interrupt.Pulled = harness.Interrupt.PulledTwice = false;
        harness.Bench.AttachUnit(TSimUnit());
        queue = {{TSimUnit::Factory(TUnitKind::Handset), nullptr}};
        const std::string record = harness.Folder.Resolve(std::string(c.Call) + ".jsonl").string();
        THangingLibrary hanging(harness.Library, c.Call, c.Nth);
        harness.Context.UnitLibrary = [&hanging]() -> devlink::IChipLibrary& { return hanging; };
        std::chrono::steady_clock::time_point forced;
        if (c.SecondCtrlC)
            hanging.OnHang = [&] {
                forced = std::chrono::steady_clock::now();
                harness.Interrupt.Pulled = harness.Interrupt.PulledTwice = true;
            };
        std::chrono::steady_clock::time_point ended;
        harness.OnEnd = [&](int) {
            ended = std::chrono::steady_clock::now();
            hanging.Release();
        };

        EXPECT_EQ(Run({"--count", "2", "--call-timeout", c.SecondCtrlC ? "30" : "0.2", "--log", record, file}), c.Code);

        EXPECT_EQ(harness.Ended, std::vector<int>{c.Code});
        EXPECT_EQ(Lines(), c.Lines);
        if (c.SecondCtrlC)
            EXPECT_LT(ended - forced, std::chrono::seconds(2));
        else
            EXPECT_NE(harness.Err.str().find(std::string("zenta program: the adapter does not answer: ") + c.Call +
                                             " has not returned in 0.2 s\n"),
                      std::string::npos)
                << harness.Err.str();
        const std::string entries = ui::ReadWholeFile(record).value_or("");
        if (c.Entry == nullptr) {
            EXPECT_EQ(entries, "");
        } else {
            const std::optional<cli::TRecordEntry> entry = cli::EntryOfLine(entries);
            ASSERT_TRUE(entry) << entries;
            EXPECT_EQ(entry->Result + " " + entry->Written, c.Entry);
        }
    }
    harness.Context.UnitLibrary = [this]() -> devlink::IChipLibrary& { return harness.Library; };
}

TEST_F(ProductionRun, RefusesAFileWithFindingsBeforeLookingForAUnit) {
    const std::string file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=30"}}));
    queue = {{TSimUnit::Factory(TUnitKind::Handset), nullptr}};

    EXPECT_EQ(Run({"--count", "3", file}), cli::kExitFindings);

    EXPECT_EQ(harness.Out.str(), "");
    EXPECT_NE(harness.Err.str().find(":13: outside: key 0012"), std::string::npos) << harness.Err.str();
    EXPECT_NE(harness.Err.str().find("no unit was programmed"), std::string::npos);
    EXPECT_EQ(harness.Bench.Counters.Opens, 0u);
    EXPECT_TRUE(harness.Poller.Waits.empty());
}

TEST_F(ProductionRun, NeedsAFileItCanReadAndARecordItCanAppendTo) {
    const std::string file = harness.File("batch.wpx", DefaultsFile());
    const std::string folder = harness.Folder.Resolve("").string();
    EXPECT_EQ(Run({"--count", "2", harness.Folder.Resolve("missing.wpx").string()}), cli::kExitFileError);
    EXPECT_EQ(Run({"--count", "2", "--log", folder, file}), cli::kExitFileError);
    EXPECT_NE(harness.Err.str().find("cannot be appended to; no unit was programmed"), std::string::npos);
    EXPECT_EQ(harness.Bench.Counters.Opens, 0u);
}

}  // namespace
}  // namespace cli_test
