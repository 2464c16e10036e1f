// A backup of every unit before it is written, and the audit of a unit against a file:
// what each saves, refuses and reports, against the simulated unit.

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "report/UnitBackup.h"
#include "sim/SimUnit.h"
#include "tests/support/CallRecorder.h"
#include "ui/BenchIdentity.h"

namespace cli_test {
namespace {

std::vector<std::uint16_t> HandsetRecordOf(const sim::TSimBench& bench) {
    return *bench.Unit().Find(devlink::PSKEY_HS_XSETTINGS);
}

class BackupAndVerify : public ::testing::Test {
protected:
    BackupAndVerify() {
        sim::TRecord record = sim::FactoryHandsetRecord();
        record[1] = 17;  // the auto turn-off timer
        harness.Bench.Unit().SetKey(devlink::PSKEY_HS_XSETTINGS, {record.begin(), record.end()});
        file = harness.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}}));
        folder = harness.Folder.Resolve("backups").string();
    }

    TCliHarness harness;
    std::string file;
    std::string folder;
};

TEST(BackupFileName, IsThePlainDateTimeBenchAdapterAndKind) {
    const ui::TLocalTime time{7, 15, 2, 999, 2026, 12, 8};
    const struct {
        const char* Bench;
        const char* Adapter;
        const char* Name;
    } cases[] = {
        {"BENCH-1", "\\\\.\\CSR0", "20261208-071502-BENCH-1-CSR0-handset.wpx"},
        {"Prüfplatz 3", "USB SPI (1234)", "20261208-071502-Pr-fplatz-3-USB-SPI-1234-handset.wpx"},
        {"-", "a:b/c*d?e\"f<g>h|i", "20261208-071502-bench-a-b-c-d-e-f-g-h-i-handset.wpx"},
        {"", "...", "20261208-071502-bench-adapter-handset.wpx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(report::BackupFileName(time, c.Bench, c.Adapter, "handset"), c.Name) << c.Adapter;
}

// Benches that share a backup folder, writing the same name at the same moment, keep
// every backup: each name is claimed by creating its file.
TEST(BackupFiles, NeverReplaceEachOtherAcrossBenchesWritingAtOnce) {
    ui::TScratchFolder folder;
    const std::string dir = folder.Resolve("shared").string();
    std::filesystem::create_directories(dir);
    constexpr int kBenches = 2, kBackups = 50;
    std::vector<std::thread> benches;
    std::atomic<int> saved{0};
    for (int b = 0; b < kBenches; ++b)
        benches.emplace_back([&, b] {
            for (int n = 0; n < kBackups; ++n) {
                const report::TBackupResult result =
                    report::CreateBackupFile(dir, "20261208-071502-BENCH-CSR0-handset.wpx",
                                             "bench " + std::to_string(b) + " unit " + std::to_string(n));
                if (!result.Problem) ++saved;
            }
        });
    for (std::thread& bench : benches) bench.join();
    EXPECT_EQ(saved, kBenches * kBackups);
    std::set<std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        contents.insert(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    EXPECT_EQ(contents.size(), static_cast<std::size_t>(kBenches * kBackups));
}

// A unit that holds what no setting shows (reserved bits and words, gains and pulses
// outside their ranges) is saved before the file is written, and its backup, restored,
// puts it back word for word; LOAD FILE takes the backup as a settings file.
TEST(BackupAndRestore, PutTheUnitBackWordForWord) {
    const struct {
        sim::TUnitKind Kind;
        std::uint16_t Key;
        std::vector<std::pair<std::size_t, std::uint16_t>> Odd;
    } units[] = {
        {sim::TUnitKind::Handset,
         devlink::PSKEY_HS_XSETTINGS,
         {{0, 0xA707}, {4, 0x7FFF}, {14, 0}, {23, 0xBEEF}, {24, 1}}},
        {sim::TUnitKind::Gateway,
         devlink::PSKEY_GW_XSETTINGS,
         {{0, 0x27FF}, {2, 0xABE8}, {6, 0x1234}, {16, 0}, {22, 0xFFFF}, {23, 7}}},
    };
    for (const auto& u : units) {
        TCliHarness h;
        h.Bench.AttachUnit(sim::TSimUnit::Factory(u.Kind));
        std::vector<std::uint16_t> original = *h.Bench.Unit().Find(u.Key);
        for (auto [word, value] : u.Odd) original[word] = value;
        h.Bench.Unit().SetKey(u.Key, original);
        const std::string batch = h.File("batch.wpx", DefaultsWith({{"0012", "0012=12"}, {"1010", "1010=50"}}));
        const std::string dir = h.Folder.Resolve("backups").string();

        ASSERT_EQ(cli::RunCommandLine({"program", "--backup", dir, batch}, h.Context), cli::kExitOk) << h.Err.str();
        ASSERT_NE(*h.Bench.Unit().Find(u.Key), original);
        std::vector<std::filesystem::path> backups;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) backups.push_back(entry.path());
        ASSERT_EQ(backups.size(), 1u);
        const std::string backup = backups[0].string();
        EXPECT_NE(h.Out.str().find("backup saved to " + backup + "\n"), std::string::npos) << h.Out.str();
        EXPECT_EQ(backups[0].filename().string(),
                  report::BackupFileName(h.Clock.Now(), ui::ThisBench().Bench, "\\\\.\\CSR0",
                                         u.Kind == sim::TUnitKind::Handset ? "handset" : "gateway"));

        h.Out.str("");
        EXPECT_EQ(cli::RunCommandLine({"restore", backup}, h.Context), cli::kExitOk) << h.Err.str();
        EXPECT_EQ(*h.Bench.Unit().Find(u.Key), original);
        EXPECT_NE(h.Out.str().find(", 25 words, verified\n"), std::string::npos) << h.Out.str();
        EXPECT_EQ(h.Bench.OpenConnections(), 0u);
        EXPECT_EQ(h.Bench.Counters.Restarts, 0u);
        EXPECT_EQ(cli::RunCommandLine({"show", backup}, h.Context), cli::kExitOk) << h.Err.str();
    }
}

TEST(BackupAndRestore, RefuseWhatIsNoBackupOfTheUnitOnTheLink) {
    TCliHarness h;
    const std::string dir = h.Folder.Resolve("backups").string();
    ASSERT_EQ(cli::RunCommandLine({"program", "--backup", dir, h.File("batch.wpx", DefaultsFile())}, h.Context),
              cli::kExitOk);
    const std::string backup = std::filesystem::directory_iterator(dir)->path().string();
    const std::string text = DefaultsFile();
    const struct {
        const char* Name;
        std::function<std::string()> Arrange;  // the file to restore
        int Exit;
        const char* Says;
    } cases[] = {
        {"a settings file", [&] { return h.File("plain.wpx", text); }, cli::kExitFileError, "holds no unit backup"},
        {"a word missing",
         [&] {
             std::ifstream in(backup, std::ios::binary);
             std::string bytes(std::istreambuf_iterator<char>(in), {});
             bytes.erase(bytes.find("8107="), bytes.find('\n', bytes.find("8107=")) + 1 - bytes.find("8107="));
             return h.File("cut.wpx", bytes);
         },
         cli::kExitFileError, "lacks record word 7 (key 8107)"},
        {"a gateway on the link",
         [&] {
             h.Bench.AttachUnit(sim::TSimUnit::Factory(sim::TUnitKind::Gateway));
             return backup;
         },
         cli::kExitRefused, "The device is not ZENTA Fennic Series Handset."},
        {"no unit",
         [&] {
             h.Bench.AttachUnit(sim::TSimUnit());
             return backup;
         },
         cli::kExitNoUnit, "ZENTA not detected"},
    };
    for (const auto& c : cases) {
        h.Err.str("");
        const std::size_t writes = h.Bench.Counters.Writes;
        EXPECT_EQ(cli::RunCommandLine({"restore", c.Arrange()}, h.Context), c.Exit) << c.Name << '\n' << h.Err.str();
        EXPECT_NE(h.Err.str().find(c.Says), std::string::npos) << c.Name << '\n' << h.Err.str();
        EXPECT_EQ(h.Bench.Counters.Writes, writes) << c.Name;
    }
}

TEST_F(BackupAndVerify, AUnitWhoseSettingsCannotBeSavedIsNotWritten) {
    struct TCase {
        const char* Name;
        std::function<void(TCliHarness&, std::string&)> Arrange;
        std::vector<std::string> Args;  // BATCH, DIR stand for the file and the folder
        int Exit;
        std::string Holds;  // on standard output or standard error
    };
    const auto unreadable = [](TCliHarness& h, std::string&) {
        h.Bench.Faults.FailNext(sim::TSimCall::Read, 3, devlink::PSKEY_HS_XSETTINGS);
    };
    const auto folderIsAFile = [](TCliHarness& h, std::string& dir) { dir = h.File("taken", "x"); };
    const auto noUnit = [](TCliHarness& h, std::string&) { h.Bench.AttachUnit(sim::TSimUnit()); };
    const auto shortRecord = [](TCliHarness& h, std::string&) {
        h.Bench.Unit().SetKey(devlink::PSKEY_HS_XSETTINGS, std::vector<std::uint16_t>(10, 0x1234));
    };
    const TCase cases[] = {
        {"short record",
         shortRecord,
         {"program", "--backup", "DIR", "BATCH"},
         cli::kExitBackupFailed,
         "zenta program: backup failed: the unit's record read gave 10 words, not the 25 of a whole record"},
        {"unreadable record",
         unreadable,
         {"program", "--backup", "DIR", "BATCH"},
         cli::kExitBackupFailed,
         "zenta program: backup failed: Fail to read ZENTA Handset settings."},
        {"unreadable record in a run",
         unreadable,
         {"program", "--count", "1", "--backup", "DIR", "BATCH"},
         cli::kExitUnitsFailed,
         "1/1  handset  V2.05  Ardex  backup failed: Fail to read ZENTA Handset settings."},
        {"folder is a file",
         folderIsAFile,
         {"program", "--backup", "DIR", "BATCH"},
         cli::kExitFileError,
         "zenta program: cannot write backups to "},
        {"folder is a file in a run",
         folderIsAFile,
         {"program", "--count", "2", "--backup", "DIR", "BATCH"},
         cli::kExitFileError,
         ": not a folder"},
        {"no unit", noUnit, {"program", "--backup", "DIR", "BATCH"}, cli::kExitNoUnit, "zenta program: no unit:"},
    };
    for (const TCase& c : cases) {
        TCliHarness h;
        std::string dir = h.Folder.Resolve("backups").string();
        c.Arrange(h, dir);
        std::vector<std::string> args = c.Args;
        for (std::string& arg : args) {
            if (arg == "BATCH") arg = h.File("batch.wpx", DefaultsFile());
            if (arg == "DIR") arg = dir;
        }
        EXPECT_EQ(cli::RunCommandLine(args, h.Context), c.Exit) << c.Name << '\n' << h.Err.str();
        EXPECT_NE((h.Out.str() + h.Err.str()).find(c.Holds), std::string::npos) << c.Name << '\n'
                                                                                << h.Out.str() << h.Err.str();
        EXPECT_EQ(h.Bench.Counters.Writes, 0u) << c.Name;
        EXPECT_EQ(h.Bench.OpenConnections(), 0u) << c.Name;
    }
}

TEST_F(BackupAndVerify, VerifyListsWhatTheUnitHoldsOtherwiseThanTheFileWouldWrite) {
    EXPECT_EQ(cli::RunCommandLine({"verify", file}, harness.Context), cli::kExitFindings);
    EXPECT_EQ(harness.Out.str(), "--- unit HS: V2.05 Ardex\n+++ " + file +
                                     "\nHandset / User Experience\n"
                                     "  Out of Range Auto Turn Off Timer (in hours)  17 -> 12\n");
    harness.Out.str("");
    EXPECT_EQ(cli::RunCommandLine({"verify", "--json", file}, harness.Context), cli::kExitFindings);
    EXPECT_NE(harness.Out.str().find(
                  R"j("differences":[{"key":"0012","page":"Handset / User Experience",)j"
                  R"j("caption":"Out of Range Auto Turn Off Timer (in hours)","unit":"17","file":"12"}])j"),
              std::string::npos)
        << harness.Out.str();
    EXPECT_NE(harness.Out.str().find(R"("words":[{"word":1,"unit":"0011","file":"000C"}])"), std::string::npos);
    EXPECT_EQ(harness.Bench.Counters.Writes, 0u);
}

// A Kesto gateway never holds the features its edition lacks, so a file that ticks them
// still matches it; the file is judged as it would be written to this very unit.
TEST_F(BackupAndVerify, VerifyJudgesTheFileForTheUnitsKindAndEdition) {
    harness.Bench.AttachUnit(sim::TSimUnit::Factory(sim::TUnitKind::Gateway, sim::TEdition::Kesto));
    const std::string defaults = harness.File("defaults.wpx", DefaultsFile());
    EXPECT_EQ(cli::RunCommandLine({"verify", defaults}, harness.Context), cli::kExitOk) << harness.Out.str();
    EXPECT_EQ(harness.Out.str(), "GW: V2.05 Kesto holds what " + defaults + " gives\n");
    EXPECT_EQ(cli::RunCommandLine({"verify", file}, harness.Context), cli::kExitOk)
        << "the file differs on the handset only";

    harness.Bench.AttachUnit(sim::TSimUnit());
    EXPECT_EQ(cli::RunCommandLine({"verify", file}, harness.Context), cli::kExitNoUnit);
    EXPECT_EQ(cli::RunCommandLine({"verify", "missing.wpx"}, harness.Context), cli::kExitFileError);
    EXPECT_EQ(cli::RunCommandLine({"verify", "--transport", "\\\\.\\CSR1", file}, harness.Context), cli::kExitNoUnit);
    EXPECT_EQ(cli::RunCommandLine({"verify", "--transport", "COM1", file}, harness.Context), cli::kExitUsage);
}

// A record of another length than the kind's is no match, whatever its words.
TEST_F(BackupAndVerify, VerifyComparesWholeRecords) {
    std::vector<std::uint16_t> record = HandsetRecordOf(harness.Bench);
    record.resize(23);
    harness.Bench.Unit().SetKey(devlink::PSKEY_HS_XSETTINGS, record);
    const std::string defaults = harness.File("defaults.wpx", DefaultsFile());
    EXPECT_EQ(cli::RunCommandLine({"verify", defaults}, harness.Context), cli::kExitFindings);
    EXPECT_NE(harness.Out.str().find("the unit's record has 23 words, not the 25 a write gives"), std::string::npos)
        << harness.Out.str();
}

// The unit reports a good write but holds other words: --verify's read-back tells.
TEST_F(BackupAndVerify, ProgramVerifyTellsAReadBackOfOtherWords) {
    testing_support::TCallRecorder recorder(harness.Library);
    recorder.BeforeEachCall = [&] {
        if (!recorder.Calls.empty() && recorder.Calls.back().rfind("write", 0) == 0) {
            std::vector<std::uint16_t> held = HandsetRecordOf(harness.Bench);
            held[3] ^= 0x0100;
            harness.Bench.Unit().SetKey(devlink::PSKEY_HS_XSETTINGS, held);
        }
    };
    cli::TCommandContext context = harness.Context;
    context.UnitLibrary = [&]() -> devlink::IChipLibrary& { return recorder; };
    EXPECT_EQ(cli::RunCommandLine({"program", "--verify", "--restart", file}, context), cli::kExitWriteFailed);
    EXPECT_NE(harness.Err.str().find("The record read back differs: word 3 written 0005 read 0105."), std::string::npos)
        << harness.Err.str();
    EXPECT_EQ(harness.Bench.Counters.Restarts, 0u) << "a unit is not restarted with a record that is not right";
    EXPECT_EQ(harness.Bench.OpenConnections(), 0u);
}

}  // namespace
}  // namespace cli_test
