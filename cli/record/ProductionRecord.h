#pragma once
// The production record: one JSON line per unit a production run handled, appended to a
// file that several runs and workers share. Each line goes to the file in one append, so
// lines never mix, and a crash leaves at most a last line without its line feed, which
// the reader leaves out.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "cli/framework/JsonOutput.h"

namespace cli {

struct TRecordEntry {
    std::string Time;            // local time, ISO 8601 with the offset from UTC
    std::string Bench;           // the computer's name
    std::string Operator;        // the signed-in user
    std::string ProgramVersion;  // this program's, "v2.05A"
    std::string Adapter;         // the transport's name
    std::string Kind;            // as the result lines give it: "handset", "-" before identification
    std::string Version;
    std::string Edition;
    std::string File;          // the settings file's name as the run was given it
    std::string Sha256;        // of the bytes that were programmed
    std::string Result;        // "ok", "write failed", ...
    std::string Verification;  // "verified", "differs", or "not reached"
    double Seconds = 0;
};

std::string RecordLine(const TRecordEntry& entry);

// Makes sure the record can be appended to, before a run's first unit. A last line a
// crash cut off gets its line feed, so that the next entry starts a line of its own
// rather than joining the torn one. False when the file cannot be appended to.
bool OpenRecord(const std::string& path);

// False when the line could not be appended whole.
bool AppendToRecord(const std::string& path, const TRecordEntry& entry);

// A line of a record that is no unit's entry: the record as it was named, and the line's
// number from 1.
struct TUnreadableLine {
    std::string Record;
    int Line = 0;
    bool operator==(const TUnreadableLine&) const = default;
};

// Counts of the units one record or several hold. A file is its name and digest, since a
// file of the same name may have been changed between two runs. Entries written before
// records named their bench, operator and program version count under "-" there.
struct TRecordSummary {
    int Records = 0;
    int Units = 0;
    int UnreadableLines = 0;  // whole lines that are no unit's entry
    bool UnfinishedLastLine = false;
    std::vector<TUnreadableLine> Unreadable;
    std::vector<std::string> Unfinished;  // the records whose last line was cut off
    std::map<std::string, int> ByResult;
    std::map<std::string, int> ByKind;
    std::map<std::string, int> ByFile;
    std::map<std::string, int> ByAdapter;
    std::map<std::string, int> ByBench;
    std::map<std::string, int> ByOperator;
    std::map<std::string, int> ByProgramVersion;
};

// Adds the record named `record` to the sums.
void AddRecord(TRecordSummary& summary, const std::string& record, std::string_view bytes);

// The sums of one record.
TRecordSummary SummarizeRecord(std::string_view bytes);

}  // namespace cli
