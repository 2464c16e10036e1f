#pragma once
// What production records hold, summed over one record or several. A record is read as
// a stream, a block at a time, so that a record of any size is read in little memory.
// A record that a crash or a full disk damaged gives every whole entry it holds: a line
// is cut where an entry begins (`{"time":`, which no entry holds inside its texts, whose
// quotes are escaped), so that an entry glued to the end of a cut-off line is found, and
// every other piece is named with its record and line.

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/record/ProductionRecord.h"

namespace cli {

// A piece of a record that is no unit's entry: the record as it was named, the line's
// number from 1, and whether it ends the record without a line feed (a run cut off while
// writing it).
struct TUnreadablePiece {
    std::string Record;
    int Line = 0;
    bool Unended = false;
    bool operator==(const TUnreadablePiece&) const = default;
};

// The pieces a summary lists; beyond them it only counts.
inline constexpr std::size_t kListedPieces = 1000;
// A piece longer than this is no entry (the longest an entry gets, a Windows path of
// 32767 characters written as \u escapes, stays well below), and is passed over without
// being kept.
inline constexpr std::size_t kLongestEntry = std::size_t{1} << 20;

// A file is its name and digest, since a file of the same name may have been changed
// between two runs. Entries written before records named their bench, operator, program
// version and `written` count under "-" there.
struct TRecordSummary {
    int Records = 0;
    int Units = 0;
    int UnreadablePieces = 0;
    std::vector<TUnreadablePiece> Unreadable;  // the first kListedPieces
    std::map<std::string, int> ByResult;
    std::map<std::string, int> ByWritten;
    std::map<std::string, int> ByKind;
    std::map<std::string, int> ByFile;
    std::map<std::string, int> ByAdapter;
    std::map<std::string, int> ByBench;
    std::map<std::string, int> ByOperator;
    std::map<std::string, int> ByProgramVersion;
};

using TOnUnreadable = std::function<void(const TUnreadablePiece&)>;
using TOnEntry = std::function<void(const TRecordEntry&)>;

// Each piece of a record that is not blank, as the reader cut it: its bytes (none for a
// piece too long to be kept), line, and whether it ends the record without a line feed.
struct TRecordPiece {
    std::string_view Bytes;
    int Line = 0;
    bool Unended = false;
};
using TOnPiece = std::function<void(const TRecordPiece&)>;

// One record added to the sums as its bytes come, in blocks cut anywhere.
class TRecordScanner {
public:
    // `onUnreadable` hears of each unreadable piece as it is found. `onPiece`, when given,
    // takes every piece instead of the sums, for a reader that reads them in its own way.
    TRecordScanner(TRecordSummary& summary, std::string record, TOnUnreadable onUnreadable = {}, TOnPiece onPiece = {});
    void Feed(std::string_view bytes);
    // The record's end, which ends a last line that has no line feed.
    void Finish();
    // Hears of each entry as it is counted.
    void OnEntry(TOnEntry onEntry) { onEntry_ = std::move(onEntry); }

private:
    void Take(std::string_view bytes);
    void EndPiece(std::size_t end, bool unended);
    void EndLine(bool unended);
    void Unreadable(bool unended);

    TRecordSummary& summary_;
    const std::string record_;
    const TOnUnreadable onUnreadable_;
    const TOnPiece onPiece_;
    TOnEntry onEntry_;
    // The line read so far, of which the bytes from begin_ on are the piece being read (its
    // tail alone once it grew too long).
    std::string line_;
    std::size_t begin_ = 0;
    bool overlong_ = false;     // bytes of the piece were passed over
    std::size_t searched_ = 0;  // where the look for the next entry's start goes on
    int number_ = 1;
};

// Adds the record file `path`; false when it cannot be read to its end.
bool AddRecordFile(TRecordSummary& summary, const std::string& path, const TOnUnreadable& onUnreadable = {},
                   const TOnPiece& onPiece = {});

// The sums of one record's bytes.
TRecordSummary SummarizeRecord(std::string_view bytes);

// The entry of a record's unit `number`, counted from 1 over its whole entries as
// `zenta log` counts units, and how many units the record holds.
struct TNumberedEntry {
    std::optional<TRecordEntry> Entry;  // none when the record holds fewer units
    int Units = 0;
};
// Nothing when the record file cannot be read to its end.
std::optional<TNumberedEntry> NumberedEntry(const std::string& path, int number);

}  // namespace cli
