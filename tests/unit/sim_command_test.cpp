// `zenta sim`: what each command does to the bench in the state file, what `show`
// prints, and the refusal of bad command lines (their wording is the command line's,
// checked with every other command's in cli_usage_test).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "CliHarness.h"
#include "cli/framework/CommandContext.h"
#include "sim/BenchVocabulary.h"
#include "sim/SimStateFile.h"

namespace {

namespace fs = std::filesystem;
using sim::TSimBench;
using sim::TSimCall;
using sim::TSimStateFile;
using sim::TUnitKind;

class SimCommandTest : public ::testing::Test {
protected:
    SimCommandTest() { fs::create_directories(folder); }
    ~SimCommandTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    int Run(const std::vector<std::string>& args) {
        cli_test::TCliHarness harness;
        const int exitCode = cli::RunSimCommand(args, harness.Context, file);
        out.str(harness.Out.str());
        err.str(harness.Err.str());
        return exitCode;
    }

    TSimBench Load() {
        TSimBench bench;
        std::string error;
        EXPECT_TRUE(file.Load(bench, &error)) << error;
        return bench;
    }

    static fs::path FreshFolder() {
        std::random_device random;
        return fs::temp_directory_path() / ("zenta-sim-cmd-" + std::to_string(random()) + std::to_string(random()));
    }

    const fs::path folder = FreshFolder();
    const TSimStateFile file{folder / "sim-unit.txt"};
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SimCommandTest, BadUsageExitsTwoWithOneLineAndChangesNothing) {
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"bogus"},
        {"show", "extra"},
        {"attach"},
        {"attach", "robot"},
        {"attach", "handset", "--edition", "gold"},
        {"attach", "handset", "--edition"},
        {"attach", "handset", "--version", "0x10000"},
        {"attach", "handset", "--version", "12x"},
        {"attach", "handset", "--colour", "red"},
        {"attach", "handset", "kesto"},
        {"attach", "handset", "--edition", "kesto", "--edition", "ardex"},
        {"attach", "none", "--edition", "kesto"},
        {"fail"},
        {"fail", "read"},
        {"fail", "jump", "1"},
        {"fail", "read", "many"},
        {"fail", "read", "-1"},
        {"fail", "open", "1", "--key", "0x02AB"},
        {"fail", "read", "1", "--key", "0x1FFFF"},
        {"reset", "now"},
        {"attach", "gateway", "--transport"},
        {"attach", "gateway", "--transport", ""},
        {"attach", "gateway", "--transport", "SPITRANS=USB SPIPORT=A,SPITRANS=USB SPIPORT=B"},
        {"attach", "none", "--version", "0x0205", "--transport", "SPITRANS=USB SPIPORT=A"},
        {"spi-ports", "USB SPI A"},
        {"spi-ports", "USB SPI A", "A", "B"},
        {"latency"},
        {"latency", "60001"},
        {"latency", "fast"},
        {"latency", "5", "--transport", ""},
        {"hang", "read", "--for", "0"},
        {"pull"},
        {"corrupt", "open", "1"},
        {"fail", "version", "1", "--transport", "A"},
        {"clear", "now"},
    };
    for (const auto& line : lines) {
        std::string joined;
        for (const auto& arg : line) joined += arg + " ";
        SCOPED_TRACE(joined);
        EXPECT_EQ(Run(line), 2);
        const std::string message = err.str();
        EXPECT_FALSE(message.empty());
        EXPECT_EQ(message.find('\n'), message.size() - 1) << "more than one line: " << message;
        EXPECT_TRUE(out.str().empty()) << out.str();
        EXPECT_FALSE(file.Exists());
    }
}

TEST_F(SimCommandTest, HelpDescribesEveryCommandAndEachExplainsItself) {
    EXPECT_EQ(Run({"--help"}), 0);
    std::vector<std::string> commands = {"show", "reset"};
    for (const sim::TBenchCommandHelp& command : sim::BenchCommands()) commands.emplace_back(command.Word);
    for (const std::string& word : commands) EXPECT_NE(out.str().find("\n  " + word), std::string::npos) << word;
    for (const std::string& command : commands) {
        // --help wins over what the line lacks.
        EXPECT_EQ(Run({command, "--help"}), 0) << command;
        EXPECT_EQ(out.str().rfind("usage: zenta sim " + command, 0), 0u) << out.str();
        EXPECT_NE(out.str().find("Exit status:"), std::string::npos) << out.str();
    }
    EXPECT_FALSE(file.Exists());
}

TEST_F(SimCommandTest, AttachPutsAFactoryUnitOnTheLinkAndKeepsTheCounters) {
    struct TCase {
        std::vector<std::string> Args;
        TUnitKind Kind;
        std::uint16_t Type;
        std::uint16_t Version;
        std::optional<std::uint16_t> RecordKey;
    };
    const TCase cases[] = {
        {{"attach", "gateway"}, TUnitKind::Gateway, 0xFE02, 0x0205, devlink::PSKEY_GW_XSETTINGS},
        {{"attach", "gateway", "--edition", "kesto", "--version", "0x0310"},
         TUnitKind::Gateway,
         0xFE01,
         0x0310,
         devlink::PSKEY_GW_XSETTINGS},
        {{"attach", "handset", "--edition=kesto"}, TUnitKind::Handset, 0xAB01, 0x0205, devlink::PSKEY_HS_XSETTINGS},
        {{"attach", "tavin"}, TUnitKind::Tavin, 0xAC02, 0x0205, std::nullopt},
        {{"attach", "unknown", "--edition", "kesto"}, TUnitKind::Unknown, 0x5A01, 0x0205, std::nullopt},
    };
    TSimBench start;
    start.Counters.Opens = 5;
    start.Faults.FailNext(TSimCall::Write, 1);
    ASSERT_TRUE(file.Save(start));
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Args[1]);
        ASSERT_EQ(Run(c.Args), 0) << err.str();
        const TSimBench bench = Load();
        EXPECT_EQ(bench.Unit().Kind(), c.Kind);
        EXPECT_EQ(bench.Unit().TypeWord(), c.Type);
        EXPECT_EQ(bench.Unit().VersionWord(), c.Version);
        EXPECT_EQ(bench.Unit().Store().size(), c.RecordKey ? 3u : 2u);
        if (c.RecordKey == devlink::PSKEY_GW_XSETTINGS) {
            const sim::TRecord record =
                sim::FactoryGatewayRecord(c.Type == 0xFE01 ? sim::TEdition::Kesto : sim::TEdition::Ardex);
            EXPECT_EQ(*bench.Unit().Find(devlink::PSKEY_GW_XSETTINGS),
                      std::vector<std::uint16_t>(record.begin(), record.end()));
        }
        EXPECT_EQ(bench.Counters.Opens, 5u);
        EXPECT_EQ(bench.Faults.Pending(TSimCall::Write), 1u);
    }
    ASSERT_EQ(Run({"attach", "none"}), 0);
    EXPECT_FALSE(Load().Unit().Answers());
}

TEST_F(SimCommandTest, TransportsPortsAndLatencyChangeTheBenchStepByStep) {
    const std::string usb0 = "\\\\.\\CSR0", usb1 = "\\\\.\\CSR1", portB = "SPITRANS=USB SPIPORT=B";
    struct TStep {
        std::vector<std::string> Args;
        std::string Said;
        std::function<void(const TSimBench&)> Check;
    };
    const TStep steps[] = {
        {{"attach", "gateway", "--transport", usb1, "--edition", "kesto"},
         "attached a gateway on \\\\.\\CSR1, type 0xFE01, version 0x0205\n",
         [&](const TSimBench& bench) {
             EXPECT_EQ(bench.UnitOn(usb1).TypeWord(), 0xFE01);
             EXPECT_EQ(bench.Unit().Kind(), TUnitKind::Handset);
         }},
        // The window skips parallel-port adapters; the units stay where they are.
        {{"spi-ports", "LPT1,USB SPI B", "SPITRANS=LPT SPIPORT=1," + portB},
         "SPI ports \"LPT1,USB SPI B\"; the first transport is SPITRANS=USB SPIPORT=B, with nothing on it\n",
         [&](const TSimBench& bench) {
             EXPECT_EQ(bench.Spi().PortNames, "LPT1,USB SPI B");
             EXPECT_EQ(bench.Spi().Transports, "SPITRANS=LPT SPIPORT=1," + portB);
             EXPECT_EQ(bench.Spi().Result, 0);
             EXPECT_FALSE(bench.SpiNeedPending());
             EXPECT_EQ(bench.FirstTransport(), portB);
             EXPECT_EQ(bench.UnitOn(usb0).Kind(), TUnitKind::Handset);
         }},
        {{"attach", "handset", "--version", "0x0310"},
         "attached a handset on SPITRANS=USB SPIPORT=B, type 0xAB02, version 0x0310\n",
         [&](const TSimBench& bench) { EXPECT_EQ(bench.UnitOn(portB).VersionWord(), 0x0310); }},
        {{"latency", "250"},
         "each library call takes 250 ms\n",
         [](const TSimBench& bench) { EXPECT_EQ(bench.LatencyMs, 250u); }},
        {{"spi-ports", "", ""},
         "no SPI ports; the first transport is \\\\.\\CSR0\n",
         [&](const TSimBench& bench) {
             EXPECT_TRUE(bench.Spi().Transports.empty());
             EXPECT_EQ(bench.UnitOn(portB).Kind(), TUnitKind::Handset);
         }},
        {{"attach", "none", "--transport", portB},
         "nothing on SPITRANS=USB SPIPORT=B now\n",
         [&](const TSimBench& bench) {
             EXPECT_FALSE(bench.UnitOn(portB).Answers());
             EXPECT_EQ(bench.UnitOn(usb1).Kind(), TUnitKind::Gateway);
             EXPECT_EQ(bench.LatencyMs, 250u);
         }},
        {{"latency", "0"},
         "each library call takes 0 ms\n",
         [](const TSimBench& bench) { EXPECT_EQ(bench.LatencyMs, 0u); }},
    };
    // A listing that failed, or answered "too small" first, answers at once after `spi-ports`.
    TSimBench start;
    start.SetSpiListing({"X", "Y", 7, 300});
    ASSERT_TRUE(file.Save(start));
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.Args.front() + " " + step.Args.back());
        ASSERT_EQ(Run(step.Args), 0) << err.str();
        EXPECT_EQ(out.str(), step.Said);
        step.Check(Load());
    }
}

TEST_F(SimCommandTest, ResetBringsBackAFactoryHandsetWithNothingPending) {
    TSimBench busy;
    busy.AttachUnit(sim::TSimUnit::Factory(TUnitKind::Gateway));
    busy.Counters = {4, 4, 8, 1, 1};
    busy.Faults.FailNext(TSimCall::Read, 2);
    busy.EngineVersion = "custom";
    ASSERT_TRUE(file.Save(busy));
    ASSERT_EQ(Run({"reset"}), 0);
    const TSimBench bench = Load();
    EXPECT_EQ(bench.Unit().Kind(), TUnitKind::Handset);
    EXPECT_EQ(bench.Unit().Store(), TSimBench().Unit().Store());
    EXPECT_EQ(bench.Counters.Opens + bench.Counters.Closes + bench.Counters.Reads + bench.Counters.Writes +
                  bench.Counters.Restarts,
              0u);
    EXPECT_TRUE(bench.Faults.Empty());
    EXPECT_EQ(bench.EngineVersion, sim::kDefaultEngineVersion);
}

TEST_F(SimCommandTest, ShowListsEveryUnitWithItsKeysThenFaultsAndCounters) {
    TSimBench bench;
    bench.Unit().SetKey(0x0600, {0x00ab});
    bench.AttachUnit("SPITRANS=USB SPIPORT=2", sim::TSimUnit::Factory(TUnitKind::Gateway, sim::TEdition::Kesto));
    bench.Transport("SPITRANS=USB SPIPORT=2").Counters = {2, 1, 5, 1, 1};
    bench.Faults.FailNext(TSimCall::Read, 2, devlink::PSKEY_HS_XSETTINGS);
    bench.Counters = {3, 2, 7, 1, 0};
    bench.LatencyMs = 120;
    bench.OpenConnection(bench.FirstTransport());
    ASSERT_TRUE(file.Save(bench));
    ASSERT_EQ(Run({"show"}), 0);
    const std::string text = out.str();
    // In this order: the first transport's unit, the other unit, then the whole bench.
    std::size_t at = 0;
    for (const char* part :
         {"transport: \\\\.\\CSR0 (the first transport)\nunit: handset", "0xAB02", "0x0205", "CSR8670",
          "\n  0x02AB (25 words): A700 0008 0DAC", "\n  0x0600 (1 word): 00AB",
          "calls on this transport: opens 0, closes 0, open now 1",
          "transport: SPITRANS=USB SPIPORT=2\nunit: gateway, type 0xFE01", "\n  0x02AA (25 words)",
          "calls on this transport: opens 2, closes 1, open now 0, reads 5, writes 1, restarts 1",
          "the next 2 read call(s) of key 0x02AB fail",
          "counters: opens 3, closes 2, open now 1, reads 7, writes 1, restarts 0", "latency: 120 ms"}) {
        const std::size_t found = text.find(part, at);
        EXPECT_NE(found, std::string::npos) << "missing '" << part << "' after offset " << at << " in\n" << text;
        if (found != std::string::npos) at = found;
    }
}

TEST_F(SimCommandTest, ShowWithoutAFileShowsTheFactoryHandsetAndWritesNothing) {
    ASSERT_EQ(Run({"show"}), 0);
    EXPECT_NE(out.str().find("unit: handset"), std::string::npos);
    EXPECT_NE(out.str().find("pending faults: none"), std::string::npos);
    EXPECT_FALSE(file.Exists());
}

TEST_F(SimCommandTest, UnreadableStateFileIsReportedAndResetRepairsIt) {
    {
        std::ofstream broken(file.Path());
        broken << "unit handset\nnonsense\n";
    }
    EXPECT_EQ(Run({"show"}), 1);
    EXPECT_NE(err.str().find("line 2"), std::string::npos) << err.str();
    EXPECT_EQ(Run({"fail", "read", "1"}), 1);
    EXPECT_EQ(Run({"reset"}), 0);
    EXPECT_EQ(Run({"show"}), 0);
}

}  // namespace
