// The lines of a production run and its workers on arbitrary bytes, as a line of either
// side: whatever a line holds, it reads as one message or none, and a message read
// writes back into the very line it was read from. Any bytes, as a settings file, travel
// to the worker and arrive as they were sent.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "cli/production/WorkerLines.h"

namespace {

using TKind = cli::TWorkerReport::TKind;

// The line a worker writes for the report; empty for a report of no line of its own.
std::string LineOf(const cli::TWorkerReport& report) {
    switch (report.Kind) {
    case TKind::UnitPresent: return "present";
    case TKind::Written: return cli::WrittenLine(report.Written);
    case TKind::Entry: return "entry " + report.Text;
    case TKind::UnitDone: return cli::DoneLine(report.Succeeded, report.Text);
    case TKind::Stuck: return cli::StuckLine(report.Text);
    case TKind::Message: return cli::SayLine(report.Text);
    case TKind::Ended: return {};
    }
    return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);

    const cli::TWorkerReport report = cli::ReportOf(line);
    fuzzing::Require(report.Kind != TKind::Ended, "a line read as the worker's end");
    // A line of no known kind is passed on whole as a message.
    const bool known = LineOf(report) == line;
    fuzzing::Require(known || (report.Kind == TKind::Message && report.Text == line),
                     "the line \"" + std::string(line) + "\" reads as another");

    const cli::TRunLine run = cli::RunLineOf(line);
    if (run.Kind == cli::TRunLine::TKind::Settings)
        fuzzing::Require(cli::SettingsLine(run.Settings) == line, "settings that write back otherwise");
    if (run.Kind == cli::TRunLine::TKind::Grant)
        fuzzing::Require(run.Number > 0 && cli::RunLineOf(cli::GrantLine(run.Number)).Number == run.Number,
                         "a grant that writes back otherwise");

    const cli::TRunLine sent = cli::RunLineOf(cli::SettingsLine(line));
    fuzzing::Require(sent.Kind == cli::TRunLine::TKind::Settings && sent.Settings == line,
                     "settings that arrive otherwise than they were sent");
    return 0;
}
