// The fault walk: each flow of the commands on a unit runs once to record its library
// calls, then again for every call and every fault the simulated bench can put on it
// (the call fails once, fails until the retries give up, the unit is pulled before or
// after it, the call hangs and fails, a read reports fewer or more words, a read or write
// reports success over other words). After each run the promises must hold: a failure
// is told, with the exit code of its kind; no connection is left open; nothing is
// written that the flow did not mean to write; what reports success really happened
// (the unit holds what was verified, the backup holds what the unit held). The number
// of calls each flow makes is asserted, so that a new call is walked, and seen.
//
// One unit of a production run is walked too, with a limit on its calls: there a call
// that hangs must end the run by the limit, and whatever the fault, the record must hold
// one whole entry for the unit the run took, whose `written` says whether the unit's
// record changed.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>
#include <thread>

#include "CliHarness.h"
#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "cli/record/ProductionRecord.h"
#include "files/UnitBackup.h"
#include "sim/SimUnit.h"
#include "ui/LocalFiles.h"

namespace cli_test {
namespace {

using sim::TSimCall;
using sim::TSimFault;
using sim::TSimFaultKind;
using TWords = std::vector<std::uint16_t>;

constexpr std::uint16_t kRecordKey = devlink::PSKEY_HS_XSETTINGS;

// The unit before each run: a factory handset whose timer is 17 hours.
TWords UnitRecord() {
    sim::TRecord record = sim::FactoryHandsetRecord();
    record[1] = 17;
    return {record.begin(), record.end()};
}

// What programming the settings file (the defaults with a 12-hour timer) writes.
TWords ProgrammedRecord() {
    TWords record = UnitRecord();
    record[1] = 12;
    return record;
}

// The simulated library's pauses, cut short once the run has ended the process: a call
// that hangs then returns at once, as the process that made it would be gone.
class TEndingSleep final : public ui::ISleep {
public:
    void Sleep(unsigned milliseconds) override {
        if (!Ended) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    std::atomic<bool> Ended = false;
};

// The library as the run calls it, keeping the record of the unit on the bench also
// once the unit is pulled: a pull replaces it by an empty link, so a unit pulled right
// after a write that answered success holds what that write took. Once the run has
// ended the process, no call of its thread reaches the bench, as none would from a
// process that is gone.
class TUnitKeeper final : public devlink::IChipLibrary {
public:
    TUnitKeeper(devlink::IChipLibrary& library, const sim::TSimBench& bench, const std::atomic<bool>& ended)
        : library_(library), bench_(bench), ended_(ended) {}
    TWords Held = UnitRecord();

    std::int32_t EngineVersion(char* text) override {
        return Kept([&] { return library_.EngineVersion(text); });
    }
    std::uint32_t EngineOpenTransport(std::int32_t transport, const char* devicePath, std::int32_t flags,
                                      std::int32_t timeout, std::int32_t retryTimeout) override {
        return Kept([&] { return library_.EngineOpenTransport(transport, devicePath, flags, timeout, retryTimeout); });
    }
    std::uint32_t EngineOpenSpi(const char* transport, std::int32_t flags) override {
        return Kept([&] { return library_.EngineOpenSpi(transport, flags); });
    }
    std::int32_t EngineClose(std::uint32_t handle) override {
        return Kept([&] { return library_.EngineClose(handle); });
    }
    std::int32_t EngineReadKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t capacity,
                               std::uint16_t* words, std::uint16_t* length) override {
        return Kept([&] { return library_.EngineReadKey(handle, key, store, capacity, words, length); });
    }
    std::int32_t EngineWriteKey(std::uint32_t handle, std::uint16_t key, std::uint16_t store, std::uint16_t length,
                                const std::uint16_t* words) override {
        return Kept([&] {
            const std::int32_t result = library_.EngineWriteKey(handle, key, store, length, words);
            if (result == 1 && key == kRecordKey && !bench_.Unit().Answers()) Held.assign(words, words + length);
            return result;
        });
    }
    std::int32_t EngineRestart(std::uint32_t handle, std::int32_t flags) override {
        return Kept([&] { return library_.EngineRestart(handle, flags); });
    }
    std::int32_t EngineChipName(std::uint32_t handle, std::int32_t capacity, char* text) override {
        return Kept([&] { return library_.EngineChipName(handle, capacity, text); });
    }
    std::int32_t FlashListSpiPorts(std::uint16_t* capacity, char* portNames, char* transports,
                                   std::uint16_t* count) override {
        return Kept([&] { return library_.FlashListSpiPorts(capacity, portNames, transports, count); });
    }

private:
    // Every call fails with 0 once the process is ended.
    template <typename TCall>
    auto Kept(TCall call) -> decltype(call()) {
        if (ended_) return 0;
        const auto result = call();
        if (bench_.Unit().Answers() && bench_.Unit().Find(kRecordKey)) Held = *bench_.Unit().Find(kRecordKey);
        return result;
    }

    devlink::IChipLibrary& library_;
    const sim::TSimBench& bench_;
    const std::atomic<bool>& ended_;
};

struct TRun {
    int Exit = 0;
    std::string Err;
    std::string Out;
    TWords Record;           // the unit's record afterwards; empty when it has none
    TWords Held;             // the unit's record afterwards, also once pulled
    std::string Entries;     // the production record
    std::vector<int> Ended;  // the exit codes the run ended the process with
    // The fault and its call, for the promises that depend on them.
    std::string FaultName;
    sim::TSimCall FaultedCall = TSimCall::Any;
    bool AfterTheLook = false;             // the fault comes after a production run's first look found the unit
    std::vector<sim::TSimCallSite> Calls;  // as the bench saw them
    std::vector<std::string> Backups;      // the files saved, as read before the run's folder goes
    std::size_t OpenConnections = 0;
};

struct TFlow {
    const char* Name;
    std::vector<std::string> Args;  // FILE, DIR and BACKUP stand for the run's own paths
    std::set<int> Exits;            // the exit codes a fault may lead to
    std::size_t Calls;              // the library calls of a run without faults
    bool Writes;                    // whether the flow means to write the record
    // What must hold after a run, faults or not.
    std::function<void(const TRun&, const std::string& at)> Promise;
};

class FaultWalk : public ::testing::Test {
protected:
    // A backup of the unit as it is before each run, made once by the command that makes
    // backups; `restore` puts it back.
    static std::string BackupBytes() {
        static const std::string bytes = [] {
            TCliHarness h;
            h.Bench.Unit().SetKey(kRecordKey, UnitRecord());
            const std::string dir = h.Folder.Resolve("made").string();
            EXPECT_EQ(cli::RunCommandLine({"program", "--backup", dir, h.File("f.wpx", DefaultsFile())}, h.Context),
                      cli::kExitOk);
            std::ifstream in(std::filesystem::directory_iterator(dir)->path(), std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        }();
        return bytes;
    }

    static TRun Run(const TFlow& flow, const std::optional<TSimFault>& fault) {
        TCliHarness h;
        h.Bench.Unit().SetKey(kRecordKey, UnitRecord());
        const std::string dir = h.Folder.Resolve("backups").string();
        std::vector<std::string> args = flow.Args;
        const std::string record = h.Folder.Resolve("record.jsonl").string();
        for (std::string& arg : args) {
            if (arg == "FILE") arg = h.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
            if (arg == "DIR") arg = dir;
            if (arg == "BACKUP") arg = h.File("backup.wpx", BackupBytes());
            if (arg == "RECORD") arg = record;
        }
        TEndingSleep sleep;
        sim::TSimLibrary library(h.Bench, sleep);
        TUnitKeeper keeper(library, h.Bench, sleep.Ended);
        h.Context.UnitLibrary = [&keeper]() -> devlink::IChipLibrary& { return keeper; };
        h.OnEnd = [&sleep](int) { sleep.Ended = true; };
        // A production run looks for its unit every while: the operator ends it with
        // Ctrl-C once the unit is gone.
        h.Poller.OnSleep = [&h] {
            if (!h.Bench.Unit().Answers() || h.Poller.Waits.size() > 10) h.Interrupt.Pulled = true;
        };
        h.Bench.Journal.emplace();
        if (fault) h.Bench.Faults.Arm(*fault);
        TRun run;
        run.Exit = cli::RunCommandLine(args, h.Context);
        // The process ends there; what the test's thread does after is not the run's.
        if (!h.Ended.empty()) run.Exit = h.Ended.front();
        run.Err = h.Err.str();
        run.Out = h.Out.str();
        run.Calls = *h.Bench.Journal;
        if (h.Bench.Unit().Answers() && h.Bench.Unit().Find(kRecordKey)) run.Record = *h.Bench.Unit().Find(kRecordKey);
        run.Held = keeper.Held;
        run.Entries = ui::ReadWholeFile(record).value_or("");
        run.Ended = h.Ended;
        if (std::filesystem::exists(dir))
            for (const auto& entry : std::filesystem::directory_iterator(dir)) {
                std::ifstream in(entry.path(), std::ios::binary);
                run.Backups.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
        run.OpenConnections = h.Bench.OpenConnections();
        return run;
    }
};

TSimFault Fault(TSimFaultKind kind, TSimCall call, std::uint32_t after) {
    TSimFault fault;
    fault.Kind = kind;
    fault.Call = call;
    fault.After = after;
    return fault;
}

// The faults for call `index` of a run whose calls were `calls`; a hang lasts `hangMs`.
std::vector<std::pair<std::string, TSimFault>> FaultsAt(const std::vector<sim::TSimCallSite>& calls, std::size_t index,
                                                        std::uint32_t hangMs) {
    const auto at = static_cast<std::uint32_t>(index);
    const TSimCall call = calls[index].Call;
    // Among the calls of its own kind, for the faults armed for that kind.
    const auto sameKindBefore =
        static_cast<std::uint32_t>(std::count_if(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(index),
                                                 [call](const sim::TSimCallSite& c) { return c.Call == call; }));
    TSimFault hang = Fault(TSimFaultKind::Hang, TSimCall::Any, at);
    hang.ForMs = hangMs;
    std::vector<std::pair<std::string, TSimFault>> faults = {
        {"fails", Fault(TSimFaultKind::Fail, TSimCall::Any, at)},
        {"pulled before", Fault(TSimFaultKind::Pull, TSimCall::Any, at)},
        {"pulled after", Fault(TSimFaultKind::Pull, TSimCall::Any, at + 1)},
        {"hangs and fails", hang},
    };
    if (call == TSimCall::Read || call == TSimCall::Write) {
        TSimFault every = Fault(TSimFaultKind::Fail, call, sameKindBefore);
        every.Count = 3;
        faults.emplace_back("fails every attempt", every);
        faults.emplace_back("stores or reads other words", Fault(TSimFaultKind::Corrupt, call, sameKindBefore));
    }
    if (call == TSimCall::Read)
        for (const std::uint16_t length : {10, 36}) {
            TSimFault misreported = Fault(TSimFaultKind::ReadLength, call, sameKindBefore);
            misreported.Length = length;
            faults.emplace_back("reads " + std::to_string(length) + " words", misreported);
        }
    return faults;
}

// Each exit code other than success is told on standard error in words of its kind.
void ExpectTold(const TRun& run, const std::string& at) {
    static const std::map<int, std::vector<std::string>> told = {
        {cli::kExitFindings, {"---"}},
        {cli::kExitNoUnit, {"not detected"}},
        {cli::kExitRefused, {"The chip is not", "The device is not", "Unknown ZENTA", "Fennic"}},
        {cli::kExitReadFailed, {"Fail to read", "could not be read"}},
        {cli::kExitWriteFailed, {"Fail to write", "read back"}},
        {cli::kExitBackupFailed, {"backup failed"}},
        {cli::kExitUnitsFailed, {"failed", "refused", "no answer", "does not answer"}},
        {cli::kExitInterrupted, {"interrupted"}},
    };
    if (run.Exit == cli::kExitOk || run.Exit == cli::kExitFindings) return;
    const auto words = told.find(run.Exit);
    ASSERT_NE(words, told.end()) << at << ": exit " << run.Exit;
    // A production run tells its units' failures in their lines.
    const std::string text = run.Err + run.Out;
    EXPECT_TRUE(
        std::ranges::any_of(words->second, [&text](const std::string& w) { return text.find(w) != std::string::npos; }))
        << at << ": exit " << run.Exit << " told as: " << text;
}

std::size_t WritesOf(const TRun& run, std::optional<std::uint16_t> key = std::nullopt) {
    return static_cast<std::size_t>(std::ranges::count_if(
        run.Calls, [key](const sim::TSimCallSite& c) { return c.Call == TSimCall::Write && (!key || c.Key == key); }));
}

// A backup that was saved holds the unit's record as it was.
void ExpectBackupsTrue(const TRun& run, const std::string& at) {
    for (const std::string& bytes : run.Backups) {
        std::istringstream in(bytes);
        std::string problem;
        const auto backup = files::ReadBackupKeys(in, problem);
        ASSERT_TRUE(backup) << at << ": " << problem;
        EXPECT_EQ(backup->Words, UnitRecord()) << at;
    }
}

// A production run's unit: a call that hangs ends the run by the limit; the unit the run
// took has one whole entry and one line, saying the same; its `written` says whether the
// unit's record changed, "unknown" only where the run ended in the middle of a write; and
// only a unit that holds the file's record is ok.
void ExpectProductionTrue(const TRun& run, const std::string& at) {
    const bool hang = run.FaultName == "hangs and fails";
    EXPECT_EQ(run.Ended, hang ? std::vector<int>{cli::kExitUnitsFailed} : std::vector<int>{}) << at << '\n' << run.Err;
    if (hang) {
        EXPECT_NE(run.Err.find("the adapter does not answer"), std::string::npos) << at << '\n' << run.Err;
    }
    std::vector<std::string> unitLines;
    std::istringstream out(run.Out);
    for (std::string line; std::getline(out, line);)
        if (line.find("  1/1  ") != std::string::npos) unitLines.push_back(line);
    ASSERT_TRUE(run.Entries.empty() || run.Entries.back() == '\n') << at << ": a torn entry: " << run.Entries;
    const auto entries = static_cast<std::size_t>(std::ranges::count(run.Entries, '\n'));
    ASSERT_EQ(entries, unitLines.size()) << at << '\n' << run.Entries << run.Out;
    ASSERT_LE(entries, 1u) << at;
    if (entries == 0) {
        EXPECT_FALSE(run.AfterTheLook) << at << ": the unit taken has no entry\n" << run.Out << run.Err;
        EXPECT_NE(run.Exit, cli::kExitOk) << at;
        return;
    }
    const std::optional<cli::TRecordEntry> entry = cli::EntryOfLine(run.Entries);
    ASSERT_TRUE(entry) << at << ": " << run.Entries;
    EXPECT_NE(unitLines.front().find("  " + entry->Result), std::string::npos) << at << ": " << unitLines.front();
    const bool changed = run.Held != UnitRecord();
    if (entry->Written != "unknown" || !hang || run.FaultedCall != TSimCall::Write) {
        EXPECT_EQ(entry->Written, changed ? "yes" : "no") << at << ": " << run.Entries;
    }
    EXPECT_EQ(entry->Result == "ok", run.Exit == cli::kExitOk) << at << ": exit " << run.Exit << ", " << run.Entries;
    if (entry->Result == "ok") {
        EXPECT_EQ(run.Held, ProgrammedRecord()) << at << ": ok, yet";
    }
}

TEST_F(FaultWalk, EveryCallOfEveryFlowMeetsEveryFault) {
    const std::set<int> device = {cli::kExitOk, cli::kExitNoUnit, cli::kExitRefused, cli::kExitReadFailed};
    const auto writing = [&device](std::initializer_list<int> more) {
        std::set<int> exits = device;
        exits.insert(cli::kExitWriteFailed);
        exits.insert(more);
        return exits;
    };
    const TFlow flows[] = {
        {"read", {"read"}, device, 9, false, [](const TRun&, const std::string&) {}},
        {"program",
         {"program", "FILE"},
         writing({}),
         10,
         true,
         [](const TRun& run, const std::string& at) {
             // Without a read-back a write that stored other words goes unseen; any other
             // success put the file's record on the unit.
             if (run.Exit == cli::kExitOk && run.Record != ProgrammedRecord()) {
                 EXPECT_EQ(WritesOf(run), 1u) << at << ": a success with other words, but not from the one write";
             }
         }},
        {"program --verify",
         {"program", "--verify", "FILE"},
         writing({}),
         11,
         true,
         [](const TRun& run, const std::string& at) {
             // A unit pulled once it was verified takes its record with it.
             if (run.Exit == cli::kExitOk && !run.Record.empty()) {
                 EXPECT_EQ(run.Record, ProgrammedRecord()) << at << ": verified, yet";
             }
         }},
        {"program --backup",
         {"program", "--backup", "DIR", "FILE"},
         writing({cli::kExitBackupFailed}),
         12,
         true,
         [](const TRun& run, const std::string& at) {
             ExpectBackupsTrue(run, at);
             if (run.Backups.empty()) {
                 EXPECT_EQ(WritesOf(run), 0u) << at << ": written without a backup";
             }
             if (run.Exit == cli::kExitOk) {
                 EXPECT_EQ(run.Backups.size(), 1u) << at;
             }
         }},
        {"verify",
         {"verify", "FILE"},
         {cli::kExitFindings, cli::kExitNoUnit, cli::kExitRefused, cli::kExitReadFailed},
         9,
         false,
         [](const TRun&, const std::string&) {}},
        {"restore",
         {"restore", "BACKUP"},
         writing({}),
         10,
         true,
         [](const TRun& run, const std::string& at) {
             if (run.Exit == cli::kExitOk && !run.Record.empty()) {
                 EXPECT_EQ(run.Record, UnitRecord()) << at << ": restored, yet";
             }
         }},
        // The limit stands far above what a call of the simulated bench takes on a busy
        // machine; each hang costs the walk about that limit.
        {"production unit",
         {"program", "--count", "1", "--call-timeout", "0.25", "--log", "RECORD", "FILE"},
         {cli::kExitOk, cli::kExitUnitsFailed, cli::kExitInterrupted},
         12,
         true,
         ExpectProductionTrue},
    };
    std::size_t calls = 0, faults = 0;
    for (const TFlow& flow : flows) {
        const TRun clean = Run(flow, std::nullopt);
        EXPECT_EQ(clean.Calls.size(), flow.Calls) << flow.Name << ": the flow's calls changed; walk them and update";
        ASSERT_EQ(clean.Exit, flow.Name == std::string("verify") ? cli::kExitFindings : cli::kExitOk)
            << flow.Name << ": " << clean.Err;
        calls += clean.Calls.size();
        // A run with a limit on its calls is ended by it; a hang outlasts the limit many
        // times, and ends at once when the run ends the process.
        const bool limited = std::ranges::find(flow.Args, "--call-timeout") != flow.Args.end();
        // A production run's first look at the link ends with a close.
        const auto look = std::ranges::find(clean.Calls, TSimCall::Close, &sim::TSimCallSite::Call);
        for (std::size_t i = 0; i < clean.Calls.size(); ++i) {
            for (const auto& [name, fault] : FaultsAt(clean.Calls, i, limited ? 10000 : 5)) {
                const std::string at = std::string(flow.Name) + ", call " + std::to_string(i) + " (" +
                                       sim::DescribeCall(clean.Calls[i]) + ") " + name;
                TRun run = Run(flow, fault);
                run.FaultName = name;
                run.FaultedCall = clean.Calls[i].Call;
                run.AfterTheLook = i > static_cast<std::size_t>(look - clean.Calls.begin());
                ++faults;
                EXPECT_TRUE(flow.Exits.contains(run.Exit)) << at << ": exit " << run.Exit << '\n' << run.Err;
                ExpectTold(run, at);
                // A process that ended leaves its connections for the library to close.
                if (run.Ended.empty()) {
                    EXPECT_EQ(run.OpenConnections, 0u) << at << ": a connection left open";
                }
                EXPECT_EQ(WritesOf(run), WritesOf(run, kRecordKey)) << at << ": a key written that no flow writes";
                if (!flow.Writes) {
                    EXPECT_EQ(WritesOf(run), 0u) << at << ": written by a flow that only reads";
                }
                flow.Promise(run, at);
            }
        }
    }
    std::cout << "[ walk ] " << calls << " library calls of " << std::size(flows) << " flows, " << faults
              << " faults\n";
}

}  // namespace
}  // namespace cli_test
