// A production run over several adapters, each a scripted worker on the virtual clock:
// units appear on an adapter at its own pace, take their time to program, and go. The
// run must hand out exactly N units, keep going when an adapter fails or stops
// answering, give every unit it handed out an entry, also one whose worker died with it,
// stop on the first Ctrl-C after the units under way and at once on the second, and stop
// handing out units when the record takes no entry.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "cli/production/ProductionCoordinator.h"
#include "cli/production/WorkerLines.h"

namespace cli_test {
namespace {

using cli::TWorkerReport;
using cli::TWritten;
using TKind = cli::TWorkerReport::TKind;

// Where in its unit a worker dies: before its write, with the write asked for and not
// answered, after the write answered, after it sent the unit's entry.
enum class TPhase { None, BeforeWrite, DuringWrite, AfterWrite, AfterEntry };

struct TAdapterScript {
    std::string Name;
    unsigned ArrivalMs = 100;  // from the adapter's start or the last unit's removal
    unsigned ProgramMs = 300;
    int FailingUnit = 0;            // the unit (of this adapter, from 1) whose write fails
    int CrashingUnit = 0;           // the unit during which the worker dies...
    TPhase CrashAt = TPhase::None;  // ...at this point of it
    int StuckUnit = 0;              // the unit whose write never returns
    bool Unkillable = false;        // a stuck worker the system cannot end
    bool Unstartable = false;
};

class TScriptedWorker : public cli::IProductionWorker {
public:
    TScriptedWorker(TAdapterScript script, const unsigned& now) : script_(std::move(script)), now_(now) {}

    const std::string& Adapter() const override { return script_.Name; }
    std::optional<std::string> Start() override {
        if (script_.Unstartable) return "no such adapter";
        Await();
        return std::nullopt;
    }
    std::optional<TWorkerReport> NextReport() override {
        if (!events_.empty()) {
            if (events_.front().first > now_) return std::nullopt;
            TWorkerReport report = std::move(events_.front().second);
            events_.pop_front();
            if (report.Kind == TKind::UnitDone) Await();
            if (report.Kind == TKind::Ended) state_ = TState::Gone;
            return report;
        }
        if (state_ == TState::Gone || state_ == TState::Programming) return std::nullopt;
        if (stopped_) return End("");
        if (state_ == TState::Waiting && now_ >= due_) {
            state_ = TState::Asking;
            return TWorkerReport{.Kind = TKind::UnitPresent};
        }
        return std::nullopt;
    }
    // The unit's reports, each at its time: the write asked for and answered, the entry
    // and the result; cut where the script has the worker die or get stuck.
    void Grant(int number) override {
        ASSERT_EQ(state_, TState::Asking) << script_.Name << " was granted a unit it did not ask for";
        Granted.push_back(number);
        state_ = TState::Programming;
        const int unit = ++units_;
        const bool ok = unit != script_.FailingUnit;
        const unsigned step = script_.ProgramMs / 3;
        const TPhase crash = unit == script_.CrashingUnit ? script_.CrashAt : TPhase::None;
        if (crash == TPhase::BeforeWrite) return Die(now_ + step);
        Push(now_ + step, {.Kind = TKind::Written, .Written = TWritten::Unknown});
        if (unit == script_.StuckUnit) {
            Push(now_ + 2 * step, {.Kind = TKind::Stuck, .Text = "EngineWriteKey has not returned in 30 s"});
            return;
        }
        if (crash == TPhase::DuringWrite) return Die(now_ + 2 * step);
        Push(now_ + 2 * step, {.Kind = TKind::Written, .Written = ok ? TWritten::Yes : TWritten::No});
        if (crash == TPhase::AfterWrite) return Die(now_ + 2 * step);
        const cli::TRecordEntry entry = cli::EntryOf({"BENCH", "anna", "batch.wpx", "00"}, script_.Name,
                                                     {.Unit = {"handset", "V2.05", "Ardex"},
                                                      .Result = ok ? "ok" : "write failed",
                                                      .Written = ok ? TWritten::Yes : TWritten::No});
        Push(now_ + 3 * step, {.Kind = TKind::Entry, .Text = cli::RecordLine(entry)});
        if (crash == TPhase::AfterEntry) return Die(now_ + 3 * step);
        Push(now_ + 3 * step, {.Kind = TKind::UnitDone,
                               .Succeeded = ok,
                               .Text = std::to_string(number) + (ok ? " ok" : " write failed")});
    }
    void Stop() override { stopped_ = true; }
    // What the worker said before it was ended still comes; then its end, unless the
    // system cannot end it.
    void Kill() override {
        Killed = true;
        while (!events_.empty() && events_.back().first > now_) events_.pop_back();
        if (!script_.Unkillable) Push(now_, {.Kind = TKind::Ended, .Text = "exit code 137"});
    }

    std::vector<int> Granted;
    bool EndedReported = false;
    bool Killed = false;

private:
    enum class TState { Waiting, Asking, Programming, Gone };

    void Await() {
        state_ = TState::Waiting;
        due_ = now_ + script_.ArrivalMs;
    }
    void Push(unsigned at, TWorkerReport report) { events_.emplace_back(at, std::move(report)); }
    void Die(unsigned at) { Push(at, {.Kind = TKind::Ended, .Text = "exit code 9"}); }
    std::optional<TWorkerReport> End(std::string reason) {
        state_ = TState::Gone;
        EndedReported = true;
        return TWorkerReport{.Kind = TKind::Ended, .Text = std::move(reason)};
    }

    TAdapterScript script_;
    const unsigned& now_;
    TState state_ = TState::Waiting;
    unsigned due_ = 0;
    int units_ = 0;
    bool stopped_ = false;
    std::deque<std::pair<unsigned, TWorkerReport>> events_;
};

// A record that keeps its entries, and takes no more from the `FullAfter`th on.
class TKeptRecord : public cli::IUnitRecord {
public:
    const std::string& Path() const override { return path_; }
    bool Append(const cli::TRecordEntry& entry) override {
        if (FullAfter && Entries.size() >= *FullAfter) return false;
        Entries.push_back(entry);
        return true;
    }
    std::optional<std::size_t> FullAfter;
    std::vector<cli::TRecordEntry> Entries;

private:
    std::string path_ = "record.jsonl";
};

class ProductionCoordinator : public ::testing::Test {
protected:
    ProductionCoordinator() {
        harness.Poller.OnSleep = [this] {
            now += cli::kReportPollMs;
            if (interruptAt && now >= *interruptAt) harness.Interrupt.Pulled = true;
            if (forceAt && now >= *forceAt) harness.Interrupt.PulledTwice = true;
        };
    }

    int Run(const std::vector<TAdapterScript>& scripts, int count) {
        for (const TAdapterScript& script : scripts) {
            auto worker = std::make_unique<TScriptedWorker>(script, now);
            scripted.push_back(worker.get());
            workers.push_back(std::move(worker));
        }
        return cli::CoordinateProduction(
            workers, {.Count = count, .Record = &record, .Stamp = {"BENCH", "anna", "batch.wpx", "00"}},
            harness.Context);
    }

    std::vector<int> AllGranted() const {
        std::vector<int> all;
        for (const TScriptedWorker* worker : scripted)
            all.insert(all.end(), worker->Granted.begin(), worker->Granted.end());
        std::sort(all.begin(), all.end());
        return all;
    }

    std::vector<std::string> OutLines() const {
        std::vector<std::string> lines;
        std::istringstream out(harness.Out.str());
        for (std::string line; std::getline(out, line);) lines.push_back(line);
        return lines;
    }

    // Each entry as "ADAPTER RESULT WRITTEN", in the order appended.
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (const cli::TRecordEntry& entry : record.Entries)
            entries.push_back(entry.Adapter + " " + entry.Result + " " + entry.Written);
        return entries;
    }

    TCliHarness harness;
    unsigned now = 0;
    std::optional<unsigned> interruptAt;
    std::optional<unsigned> forceAt;
    TKeptRecord record;
    std::vector<std::unique_ptr<cli::IProductionWorker>> workers;
    std::vector<TScriptedWorker*> scripted;
};

TEST_F(ProductionCoordinator, HandsOutExactlyNUnitsOverAdaptersOfDifferentPace) {
    EXPECT_EQ(Run({{.Name = "SPI1", .ProgramMs = 200}, {.Name = "SPI2", .ProgramMs = 900}, {.Name = "USB"}}, 7),
              cli::kExitOk);

    EXPECT_EQ(AllGranted(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_GT(scripted[0]->Granted.size(), scripted[1]->Granted.size()) << "the faster adapter does more units";
    for (const TScriptedWorker* worker : scripted) EXPECT_TRUE(worker->EndedReported);
    const std::vector<std::string> lines = OutLines();
    ASSERT_EQ(lines.size(), 7u + 1 + 3);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(lines[i].front(), '[') << lines[i];
    EXPECT_EQ(lines[7], "7 units: 7 programmed, 0 failed");
    EXPECT_EQ(lines[8], "  SPI1: " + std::to_string(scripted[0]->Granted.size()) + " programmed, 0 failed");
    EXPECT_EQ(harness.Err.str(), "");
    for (unsigned wait : harness.Poller.Waits) EXPECT_EQ(wait, cli::kReportPollMs);
    ASSERT_EQ(record.Entries.size(), 7u) << "the workers' own entries";
    for (const cli::TRecordEntry& entry : record.Entries) EXPECT_EQ(entry.Kind, "handset");
}

// A worker that dies with a unit in hand, at each point of the unit: the unit gets an
// entry all the same, the worker's own once it was sent, else one that says how far the
// write got. The rest of the run goes on; the numbers lost with the dead worker's units
// still count.
TEST_F(ProductionCoordinator, AWorkerThatDiesWithAUnitStillGivesTheUnitItsEntry) {
    const struct {
        TPhase At;
        const char* Entry;
        int Entries;  // of SPI2 that read so, its first unit's included
        const char* Line;
    } cases[] = {
        {TPhase::BeforeWrite, "SPI2 worker ended no", 1, "-  -  -  worker ended: written no"},
        {TPhase::DuringWrite, "SPI2 worker ended unknown", 1, "-  -  -  worker ended: written unknown"},
        {TPhase::AfterWrite, "SPI2 worker ended yes", 1, "-  -  -  worker ended: written yes"},
        {TPhase::AfterEntry, "SPI2 ok yes", 2, "handset  V2.05  Ardex  ok"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Entry);
        harness.Out.str("");
        harness.Err.str("");
        record.Entries.clear();
        workers.clear();
        scripted.clear();
        const int code = Run({{.Name = "SPI1", .FailingUnit = 2},
                              {.Name = "SPI2", .CrashingUnit = 2, .CrashAt = c.At},
                              {.Name = "SPI3", .Unstartable = true},
                              {.Name = "USB"}},
                             9);

        EXPECT_EQ(code, cli::kExitUnitsFailed);
        EXPECT_EQ(AllGranted(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        ASSERT_EQ(scripted[1]->Granted.size(), 2u);
        EXPECT_TRUE(scripted[2]->Granted.empty());
        const std::vector<std::string> entries = Entries();
        EXPECT_EQ(entries.size(), 9u);
        EXPECT_EQ(std::count(entries.begin(), entries.end(), c.Entry), c.Entries);
        const std::string lost = std::to_string(scripted[1]->Granted[1]) + "/9  ";
        const std::string out = harness.Out.str();
        EXPECT_NE(out.find("[SPI2]  "), std::string::npos);
        EXPECT_NE(out.find(lost), std::string::npos) << out;
        EXPECT_NE(out.find(c.Line), std::string::npos) << out;
        const std::string err = harness.Err.str();
        EXPECT_NE(err.find("[SPI3]  cannot start: no such adapter\n"), std::string::npos) << err;
        EXPECT_NE(err.find("[SPI2]  ended while programming a unit: exit code 9\n"), std::string::npos) << err;
        const bool kept = c.At == TPhase::AfterEntry;
        const std::vector<std::string> lines = OutLines();
        ASSERT_GE(lines.size(), 5u);
        EXPECT_EQ(lines[lines.size() - 5],
                  kept ? "9 units: 8 programmed, 1 failed" : "9 units: 7 programmed, 2 failed");
        EXPECT_EQ(lines[lines.size() - 3], kept ? "  SPI2: 2 programmed, 0 failed, adapter failed"
                                                : "  SPI2: 1 programmed, 1 failed, adapter failed");
        EXPECT_EQ(lines[lines.size() - 2], "  SPI3: 0 programmed, 0 failed, adapter failed");
    }
}

// An adapter whose library call does not return: its worker is ended, the unit in hand
// gets its entry as far as its write got, and the other adapters program the rest. A
// worker the system cannot end is given up on after a second.
TEST_F(ProductionCoordinator, AnAdapterThatDoesNotAnswerIsEndedAndTheOthersGoOn) {
    const int code = Run({{.Name = "SPI1", .StuckUnit = 2},
                          {.Name = "SPI2", .StuckUnit = 1, .Unkillable = true},
                          {.Name = "USB", .ProgramMs = 600}},
                         8);

    EXPECT_EQ(code, cli::kExitUnitsFailed);
    EXPECT_EQ(AllGranted(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(scripted[0]->Killed && scripted[1]->Killed);
    EXPECT_FALSE(scripted[2]->Killed);
    const std::vector<std::string> entries = Entries();
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "SPI1 no answer unknown"), 1);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "SPI2 no answer unknown"), 1);
    EXPECT_EQ(entries.size(), 8u);
    const std::string err = harness.Err.str();
    EXPECT_NE(err.find("[SPI1]  the adapter does not answer: EngineWriteKey has not returned in 30 s\n"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("[SPI2]  ended while programming a unit: the system has not ended it\n"), std::string::npos)
        << err;
    const std::vector<std::string> lines = OutLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 4], "8 units: 6 programmed, 2 failed");
    EXPECT_EQ(lines[lines.size() - 3], "  SPI1: 1 programmed, 1 failed, adapter failed");
    EXPECT_EQ(lines[lines.size() - 2], "  SPI2: 0 programmed, 1 failed, adapter failed");
}

// Ctrl-C while SPI1 programs a unit and SPI2 waits for one: SPI1's unit is finished and
// reported, SPI2 ends, and no number is granted after it.
TEST_F(ProductionCoordinator, CtrlCLetsUnitsUnderWayFinishAndEndsEveryWorker) {
    interruptAt = 1250;

    const int code = Run(
        {{.Name = "SPI1", .ArrivalMs = 100, .ProgramMs = 1000}, {.Name = "SPI2", .ArrivalMs = 5000, .ProgramMs = 300}},
        50);

    EXPECT_EQ(code, cli::kExitInterrupted);
    EXPECT_TRUE(harness.Interrupt.Armed);
    EXPECT_EQ(scripted[0]->Granted, (std::vector<int>{1, 2}));
    EXPECT_TRUE(scripted[1]->Granted.empty());
    EXPECT_TRUE(scripted[0]->EndedReported && scripted[1]->EndedReported);
    EXPECT_FALSE(scripted[0]->Killed || scripted[1]->Killed);
    EXPECT_EQ(OutLines(),
              (std::vector<std::string>{"[SPI1]  1 ok", "[SPI1]  2 ok", "2 units: 2 programmed, 0 failed, interrupted",
                                        "  SPI1: 2 programmed, 0 failed", "  SPI2: 0 programmed, 0 failed"}));
    EXPECT_LT(now, 2500u) << "the run ended once the unit under way was done";
}

// A second Ctrl-C while both adapters are in the middle of long units, one with its
// write answered, one with it asked for: both workers are ended at once and each unit is
// recorded with how far its write got.
TEST_F(ProductionCoordinator, ASecondCtrlCEndsEveryWorkerAtOnceAndRecordsTheUnitsInHand) {
    interruptAt = 7000;
    forceAt = 8000;

    const int code = Run({{.Name = "SPI1", .ProgramMs = 9000}, {.Name = "SPI2", .ProgramMs = 21000}}, 50);

    EXPECT_EQ(code, cli::kExitInterrupted);
    EXPECT_TRUE(scripted[0]->Killed && scripted[1]->Killed);
    EXPECT_LT(now, 8000u + 2000) << "the run ended within 2 s of the second Ctrl-C";
    EXPECT_EQ(Entries(), (std::vector<std::string>{"SPI1 interrupted yes", "SPI2 interrupted unknown"}));
    const std::vector<std::string> lines = OutLines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_NE(lines[0].find("  interrupted: written yes"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("  interrupted: written unknown"), std::string::npos) << lines[1];
    EXPECT_EQ(lines[2], "2 units: 0 programmed, 2 failed, interrupted");
    EXPECT_EQ(lines[3], "  SPI1: 0 programmed, 1 failed");
}

// The record takes no more entries after the third: the units in hand finish, no further
// unit is handed out, and the run says how many units lack their entry.
TEST_F(ProductionCoordinator, StopsHandingOutUnitsWhenTheRecordTakesNoEntry) {
    record.FullAfter = 3;

    const int code = Run({{.Name = "SPI1", .ProgramMs = 200}, {.Name = "SPI2", .ProgramMs = 500}}, 20);

    EXPECT_EQ(code, cli::kExitRecordFailed);
    EXPECT_EQ(record.Entries.size(), 3u);
    const int handed = static_cast<int>(AllGranted().size());
    EXPECT_LE(handed, 5) << "one unit in hand per adapter when the fourth entry failed";
    const std::string err = harness.Err.str();
    EXPECT_NE(err.find("zenta program: record.jsonl: the entry of unit 4 could not be appended to the production "
                       "record; no further unit is programmed\n"),
              std::string::npos)
        << err;
    const std::vector<std::string> lines = OutLines();
    ASSERT_GE(lines.size(), 3u);
    const int lacking = handed - 3;
    EXPECT_EQ(lines[lines.size() - 3],
              std::to_string(handed) + " units: " + std::to_string(handed) + " programmed, 0 failed, " +
                  std::to_string(lacking) +
                  (lacking == 1 ? " without its record entry" : " without their record entries"));
}

}  // namespace
}  // namespace cli_test
