// The fault walk: each flow of the commands on a unit runs once to record its library
// calls, then again for every call and every fault the simulated bench can put on it
// (the call fails once, fails until the retries give up, the unit is pulled before or
// after it, the call hangs and fails, a read reports fewer or more words, a read or write
// reports success over other words). After each run the promises must hold: a failure
// is told, with the exit code of its kind; no connection is left open; nothing is
// written that the flow did not mean to write; what reports success really happened
// (the unit holds what was verified, the backup holds what the unit held). The number
// of calls each flow makes is asserted, so that a new call is walked, and seen.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iostream>
#include <set>
#include <sstream>

#include "CliHarness.h"
#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"
#include "files/UnitBackup.h"
#include "sim/SimUnit.h"

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

struct TRun {
    int Exit = 0;
    std::string Err;
    TWords Record;                         // the unit's record afterwards; empty when it has none
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
        for (std::string& arg : args) {
            if (arg == "FILE") arg = h.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
            if (arg == "DIR") arg = dir;
            if (arg == "BACKUP") arg = h.File("backup.wpx", BackupBytes());
        }
        h.Bench.Journal.emplace();
        if (fault) h.Bench.Faults.Arm(*fault);
        TRun run;
        run.Exit = cli::RunCommandLine(args, h.Context);
        run.Err = h.Err.str();
        run.Calls = *h.Bench.Journal;
        if (h.Bench.Unit().Answers() && h.Bench.Unit().Find(kRecordKey)) run.Record = *h.Bench.Unit().Find(kRecordKey);
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

// The faults for call `index` of a run whose calls were `calls`.
std::vector<std::pair<std::string, TSimFault>> FaultsAt(const std::vector<sim::TSimCallSite>& calls,
                                                        std::size_t index) {
    const auto at = static_cast<std::uint32_t>(index);
    const TSimCall call = calls[index].Call;
    // Among the calls of its own kind, for the faults armed for that kind.
    const auto sameKindBefore =
        static_cast<std::uint32_t>(std::count_if(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(index),
                                                 [call](const sim::TSimCallSite& c) { return c.Call == call; }));
    TSimFault hang = Fault(TSimFaultKind::Hang, TSimCall::Any, at);
    hang.ForMs = 5;
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
    };
    if (run.Exit == cli::kExitOk || run.Exit == cli::kExitFindings) return;
    const auto words = told.find(run.Exit);
    ASSERT_NE(words, told.end()) << at << ": exit " << run.Exit;
    EXPECT_TRUE(std::ranges::any_of(words->second,
                                    [&run](const std::string& w) { return run.Err.find(w) != std::string::npos; }))
        << at << ": exit " << run.Exit << " told as: " << run.Err;
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
    };
    std::size_t calls = 0, faults = 0;
    for (const TFlow& flow : flows) {
        const TRun clean = Run(flow, std::nullopt);
        EXPECT_EQ(clean.Calls.size(), flow.Calls) << flow.Name << ": the flow's calls changed; walk them and update";
        ASSERT_EQ(clean.Exit, flow.Name == std::string("verify") ? cli::kExitFindings : cli::kExitOk)
            << flow.Name << ": " << clean.Err;
        calls += clean.Calls.size();
        for (std::size_t i = 0; i < clean.Calls.size(); ++i) {
            for (const auto& [name, fault] : FaultsAt(clean.Calls, i)) {
                const std::string at = std::string(flow.Name) + ", call " + std::to_string(i) + " (" +
                                       sim::DescribeCall(clean.Calls[i]) + ") " + name;
                const TRun run = Run(flow, fault);
                ++faults;
                EXPECT_TRUE(flow.Exits.contains(run.Exit)) << at << ": exit " << run.Exit << '\n' << run.Err;
                ExpectTold(run, at);
                EXPECT_EQ(run.OpenConnections, 0u) << at << ": a connection left open";
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
