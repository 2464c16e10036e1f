#pragma once
// The production record: one JSON line per unit a production run handled, appended to a
// file that several runs and workers share. Each line goes to the file in one append, so
// lines never mix, and a crash leaves at most a last line without its line feed, which
// the reader leaves out.

#include <map>
#include <string>
#include <string_view>

#include "cli/framework/JsonOutput.h"

namespace cli {

struct TRecordEntry {
    std::string Time;     // local time, ISO 8601 with the offset from UTC
    std::string Adapter;  // the transport's name
    std::string Kind;     // as the result lines give it: "handset", "-" before identification
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

// Counts of the units a record holds. A file is its name and digest, since a file of the
// same name may have been changed between two runs.
struct TRecordSummary {
    int Units = 0;
    int UnreadableLines = 0;  // whole lines that are no unit's entry
    bool UnfinishedLastLine = false;
    std::map<std::string, int> ByResult;
    std::map<std::string, int> ByKind;
    std::map<std::string, int> ByFile;
    std::map<std::string, int> ByAdapter;
};

TRecordSummary SummarizeRecord(std::string_view bytes);

}  // namespace cli
