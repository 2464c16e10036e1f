// A worker's side of its run's lines, and the lines both sides speak. The run stops every
// worker as soon as the last number is granted, so a grant and the end of the input
// arrive together: the worker must still program the unit it was granted, and only then
// see the stop. Each line read back gives what was said, any byte of a settings file
// included.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/production/WorkerChannel.h"
#include "cli/production/WorkerLines.h"

namespace cli_test {
namespace {

using TKind = cli::TWorkerReport::TKind;

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
}

TEST(WorkerLines, EachLineReadsBackAsWhatWasSaid) {
    const auto report = [](const std::string& line) {
        const cli::TWorkerReport r = cli::ReportOf(line);
        return std::to_string(static_cast<int>(r.Kind)) + (r.Succeeded ? " ok " : " - ") + cli::WrittenName(r.Written) +
               " " + r.Text;
    };
    const auto expected = [](TKind kind, bool ok, cli::TWritten written, const std::string& text) {
        return std::to_string(static_cast<int>(kind)) + (ok ? " ok " : " - ") + cli::WrittenName(written) + " " + text;
    };
    using cli::TWritten;
    EXPECT_EQ(report("present"), expected(TKind::UnitPresent, false, TWritten::No, ""));
    for (const TWritten written : {TWritten::No, TWritten::Unknown, TWritten::Yes})
        EXPECT_EQ(report(cli::WrittenLine(written)), expected(TKind::Written, false, written, ""));
    cli::TRecordEntry entry;
    entry.Result = "ok";
    EXPECT_EQ(report(cli::EntryLine(entry)), expected(TKind::Entry, false, TWritten::No, cli::RecordLine(entry)));
    EXPECT_EQ(report(cli::DoneLine(true, "1/2  handset")),
              expected(TKind::UnitDone, true, TWritten::No, "1/2  handset"));
    EXPECT_EQ(report(cli::DoneLine(false, "2/2  -")), expected(TKind::UnitDone, false, TWritten::No, "2/2  -"));
    EXPECT_EQ(report(cli::StuckLine("EngineOpenSpi")), expected(TKind::Stuck, false, TWritten::No, "EngineOpenSpi"));
    EXPECT_EQ(report(cli::SayLine("NOTE: done")), expected(TKind::Message, false, TWritten::No, "NOTE: done"));
    EXPECT_EQ(report("written maybe"), expected(TKind::Message, false, TWritten::No, "written maybe"));

    EXPECT_EQ(cli::RunLineOf(cli::GrantLine(12)).Number, 12);
    for (const char* odd : {"go", "go 0", "go -3", "go 3x", "settings 0", "settings zz", "stop"})
        EXPECT_EQ(cli::RunLineOf(odd).Kind, cli::TRunLine::TKind::Unknown) << odd;
}

}  // namespace
}  // namespace cli_test
