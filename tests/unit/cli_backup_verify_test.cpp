// A backup of every unit before it is written, and the audit of a unit against a file:
// what each saves, refuses and reports, against the simulated unit.

#include <gtest/gtest.h>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/UnitBackup.h"
#include "sim/SimUnit.h"

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

    std::vector<std::filesystem::path> Backups() const {
        std::vector<std::filesystem::path> found;
        if (std::filesystem::exists(folder))
            for (const auto& entry : std::filesystem::directory_iterator(folder)) found.push_back(entry.path());
        std::sort(found.begin(), found.end());
        return found;
    }

    TCliHarness harness;
    std::string file;
    std::string folder;
};

TEST(BackupFileName, IsThePlainDateTimeAdapterAndKind) {
    const ui::TLocalTime time{7, 15, 2, 999, 2026, 12, 8};
    const std::pair<const char*, const char*> cases[] = {
        {"\\\\.\\CSR0", "20261208-071502-CSR0-handset.wpx"},
        {"USB SPI (1234)", "20261208-071502-USB-SPI-1234-handset.wpx"},
        {"a:b/c*d?e\"f<g>h|i", "20261208-071502-a-b-c-d-e-f-g-h-i-handset.wpx"},
        {"...", "20261208-071502-adapter-handset.wpx"},
    };
    for (const auto& [adapter, name] : cases) EXPECT_EQ(cli::BackupFileName(time, adapter, "handset"), name) << adapter;
}

// The unit's own settings are saved before the file's are written, and programming the
// backup puts the unit back word for word, which verify then confirms.
TEST_F(BackupAndVerify, ProgrammingTheBackupPutsTheUnitBack) {
    const std::vector<std::uint16_t> original = HandsetRecordOf(harness.Bench);
    ASSERT_EQ(cli::RunProgramCommand({"--backup", folder, file}, harness.Context), cli::kExitOk) << harness.Err.str();
    ASSERT_EQ(cli::RunProgramCommand({"--backup", folder, file}, harness.Context), cli::kExitOk) << harness.Err.str();
    EXPECT_EQ(HandsetRecordOf(harness.Bench)[1], 12);

    const std::vector<std::filesystem::path> backups = Backups();
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(backups[0].filename(), "20261208-120000-CSR0-handset-2.wpx");
    EXPECT_EQ(backups[1].filename(), "20261208-120000-CSR0-handset.wpx");
    EXPECT_NE(harness.Out.str().find("backup saved to " + backups[1].string() + "\n"), std::string::npos);

    EXPECT_EQ(cli::RunVerifyCommand({backups[1].string()}, harness.Context), cli::kExitFindings);
    ASSERT_EQ(cli::RunProgramCommand({backups[1].string()}, harness.Context), cli::kExitOk) << harness.Err.str();
    EXPECT_EQ(HandsetRecordOf(harness.Bench), original);
    harness.Out.str("");
    EXPECT_EQ(cli::RunVerifyCommand({backups[1].string()}, harness.Context), cli::kExitOk) << harness.Out.str();
    EXPECT_EQ(harness.Out.str(), "HS: V2.05 Ardex holds what " + backups[1].string() + " gives\n");
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
    const TCase cases[] = {
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
        std::vector<std::string> args(c.Args.begin() + 1, c.Args.end());
        for (std::string& arg : args) {
            if (arg == "BATCH") arg = h.File("batch.wpx", DefaultsFile());
            if (arg == "DIR") arg = dir;
        }
        EXPECT_EQ(cli::RunProgramCommand(args, h.Context), c.Exit) << c.Name << '\n' << h.Err.str();
        EXPECT_NE((h.Out.str() + h.Err.str()).find(c.Holds), std::string::npos) << c.Name << '\n'
                                                                                << h.Out.str() << h.Err.str();
        EXPECT_EQ(h.Bench.Counters.Writes, 0u) << c.Name;
        EXPECT_EQ(h.Bench.OpenConnections(), 0u) << c.Name;
    }
}

TEST_F(BackupAndVerify, VerifyListsWhatTheUnitHoldsOtherwiseThanTheFileWouldWrite) {
    EXPECT_EQ(cli::RunVerifyCommand({file}, harness.Context), cli::kExitFindings);
    EXPECT_EQ(harness.Out.str(), "--- unit HS: V2.05 Ardex\n+++ " + file +
                                     "\nHandset / User Experience\n"
                                     "  Out of Range Auto Turn Off Timer (in hours)  17 -> 12\n");
    harness.Out.str("");
    EXPECT_EQ(cli::RunVerifyCommand({"--json", file}, harness.Context), cli::kExitFindings);
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
    EXPECT_EQ(cli::RunVerifyCommand({defaults}, harness.Context), cli::kExitOk) << harness.Out.str();
    EXPECT_EQ(harness.Out.str(), "GW: V2.05 Kesto holds what " + defaults + " gives\n");
    EXPECT_EQ(cli::RunVerifyCommand({file}, harness.Context), cli::kExitOk) << "the file differs on the handset only";

    harness.Bench.AttachUnit(sim::TSimUnit());
    EXPECT_EQ(cli::RunVerifyCommand({file}, harness.Context), cli::kExitNoUnit);
    EXPECT_EQ(cli::RunVerifyCommand({"missing.wpx"}, harness.Context), cli::kExitFileError);
    EXPECT_EQ(cli::RunVerifyCommand({"--transport", "\\\\.\\CSR1", file}, harness.Context), cli::kExitNoUnit);
    EXPECT_EQ(cli::RunVerifyCommand({"--transport", "COM1", file}, harness.Context), cli::kExitUsage);
}

}  // namespace
}  // namespace cli_test
