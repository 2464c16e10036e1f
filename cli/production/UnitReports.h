#pragma once
// What a production run says of each unit it took: its line,
// "14:02:11  3/40  handset  V2.05  Ardex  ok", and its record entry. A unit the run lost
// before its result (its worker ended, its adapter stopped answering, a second Ctrl-C)
// gets both as well, from what the run knows of it.

#include <string>
#include <string_view>

#include "cli/host/FileSnapshot.h"
#include "cli/record/ProductionRecord.h"
#include "records/UnitText.h"
#include "ui/Services.h"

namespace cli {

// The results that only a production run gives, for a unit it lost.
inline constexpr const char* kWorkerEnded = "worker ended";
inline constexpr const char* kNoAnswer = "no answer";
inline constexpr const char* kInterrupted = "interrupted";
// A unit not identified.
inline const records::TUnitText kUnknownUnit{"-", "-", "-"};

std::string UnitLine(const ui::TLocalTime& time, int number, int count, const records::TUnitText& unit,
                     std::string_view result, std::string_view message);

// The seconds from `start` to `end`, times of one day: a unit takes far less than a day,
// so an end before the start is a unit that went past midnight.
double SecondsBetween(const ui::TLocalTime& start, const ui::TLocalTime& end);

// What every entry of a run shares: where, who, and the file.
struct TRunStamp {
    std::string Bench;
    std::string Operator;
    std::string File;
    std::string Sha256;
};
TRunStamp StampOf(const TFileSnapshot& file);

// The entry of one unit, at the local time now.
struct TUnitOutcome {
    records::TUnitText Unit = kUnknownUnit;
    std::string Result;
    TWritten Written = TWritten::No;
    std::string Verification = "not reached";
    std::string ReadBackSha256 = "-";
    double Seconds = 0;
};
TRecordEntry EntryOf(const TRunStamp& stamp, const std::string& adapter, const TUnitOutcome& outcome);

}  // namespace cli
