// read, program and restart against the simulated unit, run in the test process: the
// exit code of every way a device action ends, the messages on standard error, and what
// the unit holds afterwards.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"
#include "cli/host/UnitAccess.h"
#include "sim/SimUnit.h"

namespace cli_test {
namespace {

using sim::TSimCall;
using sim::TSimUnit;
using sim::TUnitKind;

using TArrange = std::function<void(sim::TSimBench&)>;

void Nothing(sim::TSimBench&) {}
void NoUnit(sim::TSimBench& b) { b.AttachUnit(TSimUnit()); }
void ForeignChip(sim::TSimBench& b) { b.Unit().SetChipName("BC5-MM"); }
void Gateway(sim::TSimBench& b) { b.AttachUnit(TSimUnit::Factory(TUnitKind::Gateway)); }
void Tavin(sim::TSimBench& b) { b.AttachUnit(TSimUnit::Factory(TUnitKind::Tavin)); }
void UnknownUnit(sim::TSimBench& b) { b.AttachUnit(TSimUnit::Factory(TUnitKind::Unknown)); }
void TypeUnreadable(sim::TSimBench& b) { b.Faults.FailNext(TSimCall::Read, 3, devlink::PSKEY_UNIT_TYPE); }
void RecordUnreadable(sim::TSimBench& b) { b.Faults.FailNext(TSimCall::Read, 3, devlink::PSKEY_HS_XSETTINGS); }
void WriteFails(sim::TSimBench& b) { b.Faults.FailNext(TSimCall::Write, 3); }
void ShortReadBack(sim::TSimBench& b) { b.Faults.MisreportNextRead(24, devlink::PSKEY_HS_XSETTINGS); }

struct TCase {
    const char* Name;
    TArrange Arrange;
    std::vector<std::string> Args;  // FILE stands for a settings file of the defaults
    int Exit;
    std::string Holds;
};

class DeviceCommands : public ::testing::Test {
protected:
    int Run(const TCase& c) {
        c.Arrange(harness.Bench);
        std::vector<std::string> args = c.Args;
        for (std::string& arg : args)
            if (arg == "FILE") arg = harness.File("settings.wpx", DefaultsWith({{"0012", "0012=12"}}));
        return cli::RunCommandLine(args, harness.Context);
    }
    TCliHarness harness;
};

TEST_F(DeviceCommands, EndWithTheExitCodeOfTheirOutcome) {
    const TCase cases[] = {
        {"read a handset", Nothing, {"read"}, cli::kExitOk, "NOTE: Success to read ZENTA Handset settings."},
        {"read a gateway", Gateway, {"read"}, cli::kExitOk, "NOTE: Success to read ZENTA Gateway settings."},
        {"read with no unit", NoUnit, {"read"}, cli::kExitNoUnit, "ERROR: ZENTA not detected."},
        {"read a foreign chip", ForeignChip, {"read"}, cli::kExitRefused, "ERROR: The chip is not CSR 8670."},
        {"read a Tavin unit", Tavin, {"read"}, cli::kExitRefused, "ERROR: This programmer is for Fennic series only."},
        {"read an unknown unit", UnknownUnit, {"read"}, cli::kExitRefused, "ERROR: Unknown ZENTA found."},
        {"read an unreadable type", TypeUnreadable, {"read"}, cli::kExitReadFailed, "ERROR: Fail to read pskey"},
        {"read an unreadable record",
         RecordUnreadable,
         {"read"},
         cli::kExitReadFailed,
         "ERROR: Fail to read ZENTA Handset settings."},
        {"program a handset", Nothing, {"program", "FILE"}, cli::kExitOk, "programmed handset V2.05 Ardex\n"},
        {"program a gateway",
         Gateway,
         {"program", "--restart", "FILE"},
         cli::kExitOk,
         "programmed gateway V2.05 Ardex, restarted\n"},
        {"program with no unit", NoUnit, {"program", "FILE"}, cli::kExitNoUnit, "ERROR: ZENTA not detected."},
        {"program a foreign chip", ForeignChip, {"program", "FILE"}, cli::kExitRefused, "The chip is not CSR 8670."},
        {"program a Tavin unit",
         Tavin,
         {"program", "FILE"},
         cli::kExitRefused,
         "ERROR: The device is not ZENTA Fennic Series Handset."},
        {"program an unreadable type",
         TypeUnreadable,
         {"program", "FILE"},
         cli::kExitReadFailed,
         "ERROR: Fail to read pskey"},
        {"program a failing write",
         WriteFails,
         {"program", "FILE"},
         cli::kExitWriteFailed,
         "ERROR: Fail to write ZENTA Handset settings."},
        {"verify a short read-back",
         ShortReadBack,
         {"program", "--verify", "FILE"},
         cli::kExitWriteFailed,
         "zenta program: verify failed: The record read back has 24 words, not 25."},
        {"verify an unreadable read-back",
         RecordUnreadable,
         {"program", "--verify", "FILE"},
         cli::kExitReadFailed,
         "zenta program: read failed: The record could not be read back from the unit."},
        {"program a missing file",
         Nothing,
         {"program", "missing.wpx"},
         cli::kExitFileError,
         "zenta program: cannot read missing.wpx"},
        {"restart a handset", Nothing, {"restart"}, cli::kExitOk, ""},
        {"restart with no unit", NoUnit, {"restart"}, cli::kExitNoUnit, "ERROR: ZENTA not detected."},
        {"read with an argument",
         Nothing,
         {"read", "extra"},
         cli::kExitUsage,
         "zenta read: The following argument was not expected: extra"},
        {"program without a file", Nothing, {"program"}, cli::kExitUsage, "zenta program: FILE.wpx is required"},
        {"program with a bad count",
         Nothing,
         {"program", "--count", "x", "FILE"},
         cli::kExitUsage,
         "zenta program: --count: Value x not in range 1 to 1000000"},
    };
    for (const TCase& c : cases) {
        harness.Bench.Reset();
        harness.Out.str("");
        harness.Err.str("");
        EXPECT_EQ(Run(c), c.Exit) << c.Name << '\n' << harness.Err.str();
        EXPECT_NE((harness.Out.str() + harness.Err.str()).find(c.Holds), std::string::npos)
            << c.Name << '\n'
            << harness.Out.str() << harness.Err.str();
        EXPECT_EQ(harness.Bench.OpenConnections(), 0u) << c.Name;
    }
}

TEST_F(DeviceCommands, ProgramWritesTheFileToTheUnitAndTellsWhatItProgrammed) {
    const TCase program{"", Nothing, {"program", "--verify", "--restart", "FILE"}, cli::kExitOk, ""};
    ASSERT_EQ(Run(program), cli::kExitOk) << harness.Err.str();
    EXPECT_EQ(harness.Out.str(), "programmed handset V2.05 Ardex, verified, restarted\n");
    EXPECT_EQ(harness.Bench.Unit().Find(devlink::PSKEY_HS_XSETTINGS)->at(1), 12);
    EXPECT_EQ(harness.Bench.Unit().Restarts(), 1u);
}

TEST_F(DeviceCommands, NothingIsWrittenWithoutTheWholeFile) {
    const TCase program{"", Nothing, {"program", harness.Folder.Path().string()}, cli::kExitFileError, ""};
    EXPECT_EQ(Run(program), cli::kExitFileError);
    EXPECT_EQ(harness.Bench.Counters.Writes, 0u);
    EXPECT_EQ(harness.Bench.Counters.Opens, 0u);
}

TEST_F(DeviceCommands, ReadShowsTheUnitAndSavesWhatWasRead) {
    sim::TRecord record = sim::FactoryHandsetRecord();
    record[1] = 17;  // the auto turn-off timer
    harness.Bench.Unit().SetKey(devlink::PSKEY_HS_XSETTINGS, {record.begin(), record.end()});
    const std::string output = harness.Folder.Resolve("read.wpx").string();
    ASSERT_EQ(cli::RunCommandLine({"read", "--output", output}, harness.Context), cli::kExitOk) << harness.Err.str();

    const std::string out = harness.Out.str();
    EXPECT_EQ(out.substr(0, out.find('\n')), "HS: V2.05 Ardex");
    EXPECT_NE(out.find("  Out of Range Auto Turn Off Timer (in hours)   17\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("Gateway /"), std::string::npos) << "only the pages of the unit read";
    std::ifstream saved(output, std::ios::binary);
    std::ostringstream bytes;
    bytes << saved.rdbuf();
    EXPECT_EQ(bytes.str(), DefaultsWith({{"0012", "0012=17"}}));
}

// docs/cli.md's table of exit codes, "| 4 | no unit: ... | read, program |", row by row.
std::vector<std::string> DocumentedExitCodes() {
    std::ifstream in(std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "docs" / "cli.md");
    std::vector<std::string> rows;
    bool inTable = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("## ")) inTable = line == "## Exit codes";
        if (inTable && line.size() > 2 && line.starts_with("| ") && std::isdigit(static_cast<unsigned char>(line[2])))
            rows.push_back(line);
    }
    return rows;
}

// The exit codes the commands give, their help and docs/cli.md are one table; every
// outcome of a device action has its code in it.
TEST(ExitCodeTable, IsTheDocumentedOneAndHoldsEveryOutcome) {
    std::vector<std::string> table;
    for (const cli::TExitCode& row : cli::ExitCodeTable())
        table.push_back("| " + std::to_string(row.Code) + " | " + row.Meaning + " | " + row.Commands + " |");
    EXPECT_EQ(DocumentedExitCodes(), table);
    std::set<app::TDeviceOutcome> outcomes;
    for (const cli::TOutcomeRow& row : cli::OutcomeTable()) {
        outcomes.insert(row.Outcome);
        EXPECT_TRUE(std::ranges::any_of(cli::ExitCodeTable(), [&row](const cli::TExitCode& code) {
            return code.Code == row.ExitCode;
        })) << row.Name;
    }
    EXPECT_EQ(outcomes.size(), static_cast<std::size_t>(app::TDeviceOutcome::BackupFailed) + 1)
        << "an outcome has no row";
}

}  // namespace
}  // namespace cli_test
