// A production run over several adapters, each a scripted worker on the virtual clock:
// units appear on an adapter at its own pace, take their time to program, and go. The
// run must hand out exactly N numbers, keep going when an adapter fails, and on Ctrl-C
// let units under way finish while granting no new one.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <set>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "cli/production/ProductionCoordinator.h"

namespace cli_test {
namespace {

using cli::TWorkerReport;
using TKind = cli::TWorkerReport::TKind;

struct TAdapterScript {
    std::string Name;
    unsigned ArrivalMs = 100;  // from the adapter's start or the last unit's removal
    unsigned ProgramMs = 300;
    int FailingUnit = 0;   // the unit (of this adapter, from 1) that fails
    int CrashingUnit = 0;  // the unit during which the worker dies
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
    // A worker's death shows as the end of its pipe, right after the grant.
    std::optional<TWorkerReport> NextReport() override {
        if (pendingCrash_) {
            pendingCrash_ = false;
            return TWorkerReport{TKind::Ended, false, "exit code 3"};
        }
        if (state_ == TState::Gone) return std::nullopt;
        if (state_ == TState::Programming && now_ >= due_) {
            ++units_;
            const bool ok = units_ != script_.FailingUnit;
            Await();
            return TWorkerReport{TKind::UnitDone, ok, std::to_string(number_) + (ok ? " ok" : " write failed")};
        }
        if (stopped_ && state_ != TState::Programming) return End("");
        if (state_ == TState::Waiting && now_ >= due_) {
            state_ = TState::Asking;
            return TWorkerReport{TKind::UnitPresent, false, ""};
        }
        return std::nullopt;
    }
    void Grant(int number) override {
        ASSERT_EQ(state_, TState::Asking) << script_.Name << " was granted a unit it did not ask for";
        Granted.push_back(number);
        number_ = number;
        if (units_ + 1 == script_.CrashingUnit) {
            pendingCrash_ = true;
            state_ = TState::Gone;
            return;
        }
        state_ = TState::Programming;
        due_ = now_ + script_.ProgramMs;
    }
    void Stop() override { stopped_ = true; }

    std::vector<int> Granted;
    bool EndedReported = false;

private:
    enum class TState { Waiting, Asking, Programming, Gone };

    void Await() {
        state_ = TState::Waiting;
        due_ = now_ + script_.ArrivalMs;
    }
    std::optional<TWorkerReport> End(std::string reason) {
        state_ = TState::Gone;
        EndedReported = true;
        return TWorkerReport{TKind::Ended, false, std::move(reason)};
    }

    TAdapterScript script_;
    const unsigned& now_;
    TState state_ = TState::Waiting;
    unsigned due_ = 0;
    int units_ = 0;
    int number_ = 0;
    bool stopped_ = false;
    bool pendingCrash_ = false;
};

class ProductionCoordinator : public ::testing::Test {
protected:
    ProductionCoordinator() {
        harness.Poller.OnSleep = [this] {
            now += cli::kReportPollMs;
            if (interruptAt && now >= *interruptAt) harness.Interrupt.Pulled = true;
        };
    }

    int Run(const std::vector<TAdapterScript>& scripts, int count) {
        for (const TAdapterScript& script : scripts) {
            auto worker = std::make_unique<TScriptedWorker>(script, now);
            scripted.push_back(worker.get());
            workers.push_back(std::move(worker));
        }
        return cli::CoordinateProduction(workers, count, harness.Context);
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

    TCliHarness harness;
    unsigned now = 0;
    std::optional<unsigned> interruptAt;
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
}

// One adapter cannot start, one dies during its second unit, one fails a unit: the rest
// of the run goes on, and the numbers lost with the dead worker's unit still count.
TEST_F(ProductionCoordinator, AFailingAdapterStopsNoOther) {
    const int code = Run({{.Name = "SPI1", .FailingUnit = 2},
                          {.Name = "SPI2", .CrashingUnit = 2},
                          {.Name = "SPI3", .Unstartable = true},
                          {.Name = "USB"}},
                         9);

    EXPECT_EQ(code, cli::kExitUnitsFailed);
    EXPECT_EQ(AllGranted(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(scripted[1]->Granted.size(), 2u);
    EXPECT_TRUE(scripted[2]->Granted.empty());
    const std::string err = harness.Err.str();
    EXPECT_NE(err.find("[SPI3]  cannot start: no such adapter\n"), std::string::npos) << err;
    EXPECT_NE(err.find("[SPI2]  ended while programming a unit: exit code 3\n"), std::string::npos) << err;
    const std::vector<std::string> lines = OutLines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[lines.size() - 5], "9 units: 7 programmed, 2 failed");
    EXPECT_EQ(lines[lines.size() - 3], "  SPI2: 1 programmed, 1 failed, adapter failed");
    EXPECT_EQ(lines[lines.size() - 2], "  SPI3: 0 programmed, 0 failed, adapter failed");
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
    EXPECT_EQ(OutLines(),
              (std::vector<std::string>{"[SPI1]  1 ok", "[SPI1]  2 ok", "2 units: 2 programmed, 0 failed, interrupted",
                                        "  SPI1: 2 programmed, 0 failed", "  SPI2: 0 programmed, 0 failed"}));
    EXPECT_LT(now, 2500u) << "the run ended once the unit under way was done";
}

}  // namespace
}  // namespace cli_test
