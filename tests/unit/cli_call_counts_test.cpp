// Every command on the unit makes the library calls of the window's own action and no
// more, counted by the simulated bench: PROGRAM DEVICE's 2 opens (the chip check and the
// workflow's), 2 key reads and 1 write; READ DEVICE's 2 opens and 3 reads. A read-back
// adds one read on the same connection, and a backup two (the record read twice, to be
// sure of it); a production unit adds only
// the looks at the link made while it waits, the last of which is its chip check.

#include <gtest/gtest.h>

#include "CliHarness.h"
#include "cli/framework/ExitCodes.h"

namespace cli_test {
namespace {

struct TCallCase {
    const char* Name;
    std::vector<std::string> Args;  // FILE and DIR stand for a settings file and a backup folder
    unsigned EmptyLooks;            // looks at the link that find nothing before the unit comes
    sim::TSimCounters Calls;        // opens, closes, reads, writes, restarts
};

TEST(CallCounts, EachCommandMakesTheCallsOfTheWindowsAction) {
    const TCallCase cases[] = {
        {"program", {"program", "FILE"}, 0, {2, 2, 2, 1, 0}},
        {"program and restart", {"program", "--restart", "FILE"}, 0, {2, 2, 2, 1, 1}},
        {"program and verify", {"program", "--verify", "FILE"}, 0, {2, 2, 3, 1, 0}},
        {"program with a backup", {"program", "--backup", "DIR", "FILE"}, 0, {2, 2, 4, 1, 0}},
        {"verify", {"verify", "FILE"}, 0, {2, 2, 3, 0, 0}},
        {"read", {"read"}, 0, {2, 2, 3, 0, 0}},
        {"a production unit found at once", {"program", "--count", "1", "FILE"}, 0, {2, 2, 3, 1, 0}},
        {"a production unit after two empty looks", {"program", "--count", "1", "FILE"}, 2, {4, 2, 3, 1, 0}},
        {"a production unit with a backup", {"program", "--count", "1", "--backup", "DIR", "FILE"}, 0, {2, 2, 5, 1, 0}},
    };
    for (const TCallCase& c : cases) {
        TCliHarness h;
        const sim::TSimUnit unit = h.Bench.Unit();
        unsigned empty = c.EmptyLooks;
        if (empty > 0) h.Bench.AttachUnit(sim::TSimUnit());
        h.Poller.OnSleep = [&] {
            if (--empty == 0) h.Bench.AttachUnit(unit);
        };
        std::vector<std::string> args = c.Args;
        for (std::string& arg : args) {
            if (arg == "FILE") arg = h.File("settings.wpx", DefaultsWith({{"0012", "0012=12"}}));
            if (arg == "DIR") arg = h.Folder.Resolve("backups").string();
        }
        const std::string& command = c.Args.front();
        const int exit = cli::RunCommandLine(args, h.Context);
        // verify finds the file's auto turn-off timer on the unit otherwise.
        EXPECT_EQ(exit, command == "verify" ? cli::kExitFindings : cli::kExitOk) << c.Name << '\n' << h.Err.str();
        const sim::TSimCounters& calls = h.Bench.Counters;
        EXPECT_EQ(calls.Opens, c.Calls.Opens) << c.Name;
        EXPECT_EQ(calls.Closes, c.Calls.Closes) << c.Name;
        EXPECT_EQ(calls.Reads, c.Calls.Reads) << c.Name;
        EXPECT_EQ(calls.Writes, c.Calls.Writes) << c.Name;
        EXPECT_EQ(calls.Restarts, c.Calls.Restarts) << c.Name;
    }
}

}  // namespace
}  // namespace cli_test
