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
#include "report/HtmlText.h"
#include "report/RecordDigest.h"
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

    // A good handset, one whose write fails, a Kesto and an Ardex gateway, a handset whose
    // read-back comes short, and a unit of the newer series.
    static std::deque<TQueuedUnit> SixUnits() {
        return {
            {TSimUnit::Factory(TUnitKind::Handset), nullptr},
            {TSimUnit::Factory(TUnitKind::Handset),
             [](sim::TSimBench& b) { b.Faults.FailNext(sim::TSimCall::Write, 3); }},
            {TSimUnit::Factory(TUnitKind::Gateway, TEdition::Kesto), nullptr},
            {TSimUnit::Factory(TUnitKind::Gateway, TEdition::Ardex, 0x0206), nullptr},
            {TSimUnit::Factory(TUnitKind::Handset),
             [](sim::TSimBench& b) { b.Faults.MisreportNextRead(24, devlink::PSKEY_HS_XSETTINGS); }},
            {TSimUnit::Factory(TUnitKind::Tavin), nullptr},
        };
    }

    TCliHarness harness;
    std::deque<TQueuedUnit> queue;
    bool quickSwap = false;
    std::vector<TSimUnit> done;
};

TEST_F(ProductionRun, ProgramsEachUnitInTurnAndGoesOnAfterAFailedOne) {
    const std::string file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
    queue = SixUnits();

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

// Each unit's certificate, made from the record the run wrote and the job file, names
// that unit's programming as its entry gives it, and the words read back from the unit
// are the record the sheet names for the settings the file gave a unit of its kind and
// edition, or it says they are not. A unit whose record was not read back, or a number
// past the last entry, gets none; a job file changed since is said to be, and its
// settings are not shown, unless the file as it was is given in its place.
TEST_F(ProductionRun, CertifiesEachUnitFromItsEntryAndTheJobFile) {
    const std::string job = DefaultsWith({{"0012", "0012=12"}});
    const std::string file = harness.File("batch.wpx", job);
    queue = SixUnits();
    const std::string record = harness.Folder.Resolve("record.jsonl").string();
    ASSERT_EQ(Run({"--count", "6", "--log", record, file}), cli::kExitUnitsFailed) << harness.Err.str();
    ASSERT_EQ(done.size(), 6u);
    std::vector<cli::TRecordEntry> entries;
    std::istringstream lines(*ui::ReadWholeFile(record));
    for (std::string line; std::getline(lines, line);) entries.push_back(*cli::EntryOfLine(line));
    ASSERT_EQ(entries.size(), 6u);

    const auto certify = [this, &record](int entry, const std::vector<std::string>& more = {}) {
        harness.Out.str("");
        harness.Err.str("");
        const std::string output = harness.Folder.Resolve("unit" + std::to_string(entry) + ".html").string();
        cli::TArgs line{"report", "--record", record, "--entry", std::to_string(entry), "--output", output};
        line.insert(line.end(), more.begin(), more.end());
        const int code = cli::RunCommandLine(line, harness.Context);
        const std::optional<std::string> html = ui::ReadWholeFile(output);
        std::filesystem::remove(output);
        return std::pair{code, html.value_or("")};
    };
    const std::string named = "<dt>Record SHA-256</dt><dd><code>";
    const struct {
        int Code;
        const char* Says;  // the certificate, or the refusal on the error stream
    } expected[] = {
        {cli::kExitOk, "are the record these settings give a handset of the Ardex edition"},
        {cli::kExitFileError, "entry 2 (handset, write failed) holds no SHA-256 of a record read back"},
        {cli::kExitOk, "are the record these settings give a gateway of the Kesto edition"},
        {cli::kExitOk, "are the record these settings give a gateway of the Ardex edition"},
        {cli::kExitFindings, "are not the record these settings give a handset of the Ardex edition"},
        {cli::kExitFileError, "entry 6 (Tavin unit, refused) holds no SHA-256"},
        {cli::kExitFileError, "no entry 7: the record holds 6 units' entries"},
    };
    for (int n = 1; n <= 7; ++n) {
        const auto& [code, html] = certify(n);
        const auto& want = expected[n - 1];
        ASSERT_EQ(code, want.Code) << "entry " << n << ": " << harness.Err.str();
        if (code == cli::kExitFileError) {
            EXPECT_NE(harness.Err.str().find(want.Says), std::string::npos) << harness.Err.str();
            EXPECT_EQ(html, "") << "entry " << n;
            continue;
        }
        EXPECT_NE(html.find(want.Says), std::string::npos) << "entry " << n;
        const cli::TRecordEntry& entry = entries[static_cast<std::size_t>(n - 1)];
        const TSimUnit& unit = done[static_cast<std::size_t>(n - 1)];
        const auto key = entry.Kind == "gateway" ? devlink::PSKEY_GW_XSETTINGS : devlink::PSKEY_HS_XSETTINGS;
        // What the unit holds, and what the run read back from it unless a read misreported.
        const std::string held = report::RecordSha256(Record(unit, key));
        EXPECT_EQ(entry.ReadBackSha256 == held, code == cli::kExitOk) << "entry " << n;
        for (const std::string& fact :
             {"<dt>Programmed</dt><dd>" + entry.Time + "</dd>",
              "<dt>Adapter</dt><dd>" + report::Escaped(entry.Adapter) + "</dd>",
              "<dt>Result</dt><dd>" + entry.Result + "</dd>",
              "<dt>Read-back SHA-256</dt><dd><code>" + entry.ReadBackSha256,
              "<dt>Unit version</dt><dd>" + std::string(entry.Kind == "gateway" ? "GW: " : "HS: ") + entry.Version +
                  " " + entry.Edition + "</dd>",
              named + held + "</code>"})
            EXPECT_NE(html.find(fact), std::string::npos) << "entry " << n << ": " << fact;
    }

    std::ofstream(file, std::ios::binary) << DefaultsWith({{"0012", "0012=13"}});
    const auto& [changedCode, changed] = certify(3);
    EXPECT_EQ(changedCode, cli::kExitFindings);
    EXPECT_NE(harness.Err.str().find(file + ": not the job file unit 3 was programmed with"), std::string::npos);
    EXPECT_NE(changed.find("does not have the SHA-256 recorded"), std::string::npos);
    EXPECT_EQ(changed.find(named), std::string::npos) << "a changed file's settings are shown";
    const std::string kept = harness.File("kept.wpx", job);
    const auto& [keptCode, fromKept] = certify(3, {"--file", kept});
    EXPECT_EQ(keptCode, cli::kExitOk) << harness.Err.str();
    EXPECT_NE(fromKept.find("<dt>Settings file</dt><dd>" + report::Escaped(kept) + "</dd>"), std::string::npos);
    EXPECT_NE(fromKept.find(named + entries[2].ReadBackSha256), std::string::npos);
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
