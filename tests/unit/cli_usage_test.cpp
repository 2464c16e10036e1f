// Every command refuses a bad line the same way: exit code 2, nothing on standard
// output, and one line "zenta COMMAND: reason (see zenta COMMAND --help)", before it
// reads a file or reaches the unit.

#include <gtest/gtest.h>

#include "CliHarness.h"
#include "cli/framework/CommandContext.h"
#include "cli/framework/ExitCodes.h"

namespace {

using TRun = int (*)(const cli::TArgs&, cli::TCommandContext&);

TEST(CommandLines, EveryCommandRefusesABadLineWithOneUniformLine) {
    const struct {
        const char* Command;
        TRun Run;
        cli::TArgs Args;
        const char* Reason;
    } cases[] = {
        {"show", cli::RunShowCommand, {"--no-such-option", "a.wpx"}, "unknown option --no-such-option"},
        {"show", cli::RunShowCommand, {}, "FILE.wpx is missing"},
        {"show", cli::RunShowCommand, {"a.wpx", "b.wpx"}, "unexpected argument b.wpx"},
        {"show", cli::RunShowCommand, {"--json", "a.wpx", "--json"}, "--json is given twice"},
        {"diff", cli::RunDiffCommand, {"a.wpx"}, "B.wpx is missing"},
        {"diff", cli::RunDiffCommand, {"a.wpx", "-x", "b.wpx"}, "unknown option -x"},
        {"check", cli::RunCheckCommand, {"a.wpx", "b.wpx"}, "unexpected argument b.wpx"},
        {"read", cli::RunReadCommand, {"--output"}, "--output needs a value"},
        {"read", cli::RunReadCommand, {"--output", "a.wpx", "--output=b.wpx"}, "--output is given twice"},
        {"program", cli::RunProgramCommand, {"--count"}, "--count needs a value"},
        {"program",
         cli::RunProgramCommand,
         {"--count", "0", "a.wpx"},
         "--count needs a whole number of at least 1, not 0"},
        {"program",
         cli::RunProgramCommand,
         {"--count", "2x", "a.wpx"},
         "--count needs a whole number of at least 1, not 2x"},
        {"restart", cli::RunRestartCommand, {"now"}, "unexpected argument now"},
        {"script", cli::RunScriptCommand, {}, "FILE is missing"},
        {"script", cli::RunScriptCommand, {"--quiet", "a.zs"}, "unknown option --quiet"},
        // A command of sub-commands names the one the line reached.
        {"sim", cli::RunSimCommand, {}, "COMMAND is missing"},
        {"sim", cli::RunSimCommand, {"attack", "handset"}, "unknown command attack"},
        {"sim attach", cli::RunSimCommand, {"attach", "--transport=\\\\.\\CSR1"}, "KIND is missing"},
        {"sim attach",
         cli::RunSimCommand,
         {"attach", "robot"},
         "the unit is handset, gateway, tavin, unknown or none, not \"robot\""},
        {"sim spi-ports", cli::RunSimCommand, {"spi-ports", "A,B"}, "TRANSPORTS is missing"},
        {"sim latency", cli::RunSimCommand, {"latency", "5", "--json"}, "unknown option --json"},
    };
    for (const auto& c : cases) {
        cli_test::TCliHarness harness;
        const std::string expected =
            std::string("zenta ") + c.Command + ": " + c.Reason + " (see zenta " + c.Command + " --help)\n";
        EXPECT_EQ(c.Run(c.Args, harness.Context), cli::kExitUsage) << expected;
        EXPECT_EQ(harness.Err.str(), expected);
        EXPECT_EQ(harness.Out.str(), "") << expected;
        EXPECT_EQ(harness.Bench.Counters.Opens, 0u) << expected;
    }
}

}  // namespace
