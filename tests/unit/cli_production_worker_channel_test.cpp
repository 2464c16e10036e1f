// A worker's side of its run's lines. The settings come first, any byte of them. The run
// stops every worker as soon as the last number is granted, so a grant and the end of
// the input arrive together: the worker must still program the unit it was granted, and
// only then see the stop. (fuzz_worker_lines reads every line back.)

#include <gtest/gtest.h>

#include <sstream>

#include "cli/production/WorkerChannel.h"
#include "cli/production/WorkerLines.h"

namespace cli_test {
namespace {

std::string EveryByte() {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte));
    return bytes;
}

TEST(WorkerChannel, TheSettingsComeFirstAndAGrantBeforeTheEndOfTheInputIsTakenBeforeTheStop) {
    std::istringstream input(cli::SettingsLine(EveryByte()) + "\nnoise\ngo 7\n");
    cli::TWorkerChannel channel(input);
    EXPECT_EQ(channel.AwaitSettings(), EveryByte());
    EXPECT_EQ(channel.AwaitGrant(), 7);
    EXPECT_EQ(channel.AwaitGrant(), std::nullopt);
    EXPECT_TRUE(channel.Requested());

    std::istringstream noSettings("go 1\n");
    cli::TWorkerChannel without(noSettings);
    EXPECT_EQ(without.AwaitSettings(), std::nullopt);
    // The reader holds the stream until its end.
    EXPECT_EQ(without.AwaitGrant(), std::nullopt);
}

}  // namespace
}  // namespace cli_test
