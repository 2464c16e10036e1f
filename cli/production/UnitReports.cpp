#include "cli/production/UnitReports.h"

#include <cstdio>

#include "app/MajorForm.h"
#include "cli/record/LocalTimestamp.h"
#include "report/Sha256.h"
#include "ui/BenchIdentity.h"

namespace cli {
namespace {

std::string TimeText(const ui::TLocalTime& time) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", time.Hour, time.Minute, time.Second);
    return text;
}

int MillisecondOfDay(const ui::TLocalTime& time) {
    return ((time.Hour * 60 + time.Minute) * 60 + time.Second) * 1000 + time.Millisecond;
}

}  // namespace

std::string UnitLine(const ui::TLocalTime& time, int number, int count, const records::TUnitText& unit,
                     std::string_view result, std::string_view message) {
    std::string line = TimeText(time) + "  " + std::to_string(number) + "/" + std::to_string(count) + "  " + unit.Kind +
                       "  " + unit.Version + "  " + unit.Edition + "  ";
    line.append(result);
    if (!message.empty()) line.append(": ").append(message);
    return line;
}

double SecondsBetween(const ui::TLocalTime& start, const ui::TLocalTime& end) {
    constexpr int kDay = 24 * 60 * 60 * 1000;
    const int elapsed = (MillisecondOfDay(end) - MillisecondOfDay(start) + kDay) % kDay;
    return elapsed / 1000.0;
}

TRunStamp StampOf(const TFileSnapshot& file) {
    const ui::TBenchIdentity bench = ui::ThisBench();
    return {bench.Bench, bench.Operator, file.Path(), report::Sha256Hex(file.Bytes())};
}

TRecordEntry EntryOf(const TRunStamp& stamp, const std::string& adapter, const TUnitOutcome& outcome) {
    return {.Time = LocalTimestampNow(),
            .Bench = stamp.Bench,
            .Operator = stamp.Operator,
            .ProgramVersion = app::kProgramVersion,
            .Adapter = adapter,
            .Kind = outcome.Unit.Kind,
            .Version = outcome.Unit.Version,
            .Edition = outcome.Unit.Edition,
            .File = stamp.File,
            .Sha256 = stamp.Sha256,
            .Result = outcome.Result,
            .Written = WrittenName(outcome.Written),
            .Verification = outcome.Verification,
            .ReadBackSha256 = outcome.ReadBackSha256,
            .Seconds = outcome.Seconds};
}

}  // namespace cli
