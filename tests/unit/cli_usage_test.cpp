// Every command refuses a bad line the same way: exit code 2, nothing on standard
// output, and one line "zenta COMMAND: reason (see zenta COMMAND --help)" naming what is
// wrong, before it reads a file or reaches the unit. The reasons are CLI11's own words,
// or the bench vocabulary's for `zenta sim`.

#include <gtest/gtest.h>

#include "CliHarness.h"
#include "cli/commands/Commands.h"
#include "cli/framework/ExitCodes.h"

namespace {

TEST(CommandLines, EveryCommandRefusesABadLineWithOneUniformLine) {
    const struct {
        const char* Command;  // as the refusal names it
        cli::TArgs Args;
        const char* Mentions;  // what the reason must name
    } cases[] = {
        {"zenta", {}, "subcommand"},
        {"zenta", {"frobnicate"}, "frobnicate"},
        {"zenta show", {"show", "--no-such-option", "a.wpx"}, "--no-such-option"},
        {"zenta show", {"show"}, "FILE.wpx"},
        {"zenta show", {"show", "a.wpx", "b.wpx"}, "b.wpx"},
        {"zenta show", {"show", "--json", "a.wpx", "--json"}, "--json"},
        {"zenta diff", {"diff", "a.wpx"}, "B.wpx"},
        {"zenta check", {"check", "a.wpx", "b.wpx"}, "b.wpx"},
        {"zenta read", {"read", "--output"}, "--output"},
        {"zenta program", {"program", "--count", "0", "a.wpx"}, "--count"},
        {"zenta program", {"program", "--count", "2x", "a.wpx"}, "--count"},
        {"zenta program", {"program", "--log", "r.jsonl", "a.wpx"}, "--count"},
        {"zenta restart", {"restart", "now"}, "now"},
        {"zenta restore", {"restore"}, "BACKUP.wpx"},
        {"zenta log", {"log"}, "RECORD"},
        // A certificate is of one entry of one record, and of nothing else.
        {"zenta report", {"report", "--output", "c.html", "--record", "r.jsonl"}, "--entry"},
        {"zenta report", {"report", "--output", "c.html", "--entry", "3", "a.wpx"}, "--record"},
        {"zenta report", {"report", "--output", "c.html", "--record", "r.jsonl", "--entry", "3", "--unit"}, "--unit"},
        {"zenta report", {"report", "--output", "c.html", "--record", "r.jsonl", "--entry", "0"}, "--entry"},
        {"zenta report", {"report", "--output", "c.html", "--file", "a.wpx", "--unit"}, "--record"},
        {"zenta script", {"script", "--quiet", "a.zs"}, "--quiet"},
        // The bench's vocabulary names the command the line reached.
        {"zenta sim", {"sim"}, "COMMAND"},
        {"zenta sim", {"sim", "attack", "handset"}, "attack"},
        {"zenta sim attach", {"sim", "attach", "robot"}, "robot"},
        {"zenta sim latency", {"sim", "latency", "5", "--json"}, "--json"},
    };
    for (const auto& c : cases) {
        cli_test::TCliHarness harness;
        EXPECT_EQ(cli::RunCommandLine(c.Args, harness.Context), cli::kExitUsage) << c.Command << ' ' << c.Mentions;
        const std::string err = harness.Err.str();
        const std::string start = std::string(c.Command) + ": ";
        const std::string end = std::string(" (see ") + c.Command + " --help)\n";
        EXPECT_TRUE(err.starts_with(start) && err.ends_with(end) && err.find('\n') == err.size() - 1) << err;
        EXPECT_NE(err.find(c.Mentions), std::string::npos) << err;
        EXPECT_EQ(harness.Out.str(), "") << err;
        EXPECT_EQ(harness.Bench.Counters.Opens, 0u) << err;
    }
}

// `zenta COMMAND --help` is made from the command's declarations and ends with the exit
// codes the command gives, from the one table docs/cli.md's table is checked against.
TEST(CommandLines, EachHelpEndsWithTheExitCodesOfItsCommand) {
    for (const char* command :
         {"show", "diff", "check", "log", "read", "program", "restart", "restore", "verify", "transports", "script"}) {
        cli_test::TCliHarness harness;
        EXPECT_EQ(cli::RunCommandLine({command, "--help"}, harness.Context), cli::kExitOk) << command;
        const std::string help = harness.Out.str();
        EXPECT_NE(help.find(std::string("zenta ") + command), std::string::npos) << help;
        EXPECT_NE(help.find(cli::ExitCodesOf(command)), std::string::npos) << help;
        for (const cli::TExitCode& row : cli::ExitCodeTable()) {
            const bool listed = help.find("\n  " + std::to_string(row.Code) + " ") != std::string::npos;
            const bool gives =
                std::string_view(row.Commands) == "all" ||
                (", " + std::string(row.Commands) + ",").find(std::string(", ") + command) != std::string::npos;
            EXPECT_EQ(listed, gives) << command << " and exit code " << row.Code;
        }
    }
}

}  // namespace
