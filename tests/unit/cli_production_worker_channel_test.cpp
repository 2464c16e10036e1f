// A worker's side of its run's lines. The run stops every worker as soon as the last
// number is granted, so a grant and the end of the input arrive together: the worker
// must still program the unit it was granted, and only then see the stop.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/production/WorkerChannel.h"

namespace cli_test {
namespace {

TEST(WorkerChannel, AGrantBeforeTheEndOfTheInputIsTakenBeforeTheStop) {
    std::istringstream input("noise\ngo 7\n");
    cli::TWorkerChannel channel(input);
    EXPECT_EQ(channel.AwaitGrant(), 7);
    EXPECT_EQ(channel.AwaitGrant(), std::nullopt);
    EXPECT_TRUE(channel.Requested());
}

}  // namespace
}  // namespace cli_test
