#pragma once
// `zenta log --check`: whether a record's chain holds, line by line. Every entry that
// carries the chain is checked against its own content and against the entry before it;
// what breaks the chain is named with its line, and an entry it follows elsewhere with
// that entry's line, so that a moved line shows where it came from.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "cli/record/RecordChain.h"
#include "cli/record/RecordSummary.h"

namespace cli {

enum class TChainFault {
    Edited,      // the line does not give its own chain value
    OutOfOrder,  // it does not follow the entry before it: a line deleted, put in or moved
    Unchained,   // an entry without the chain after the chain began
    NotAnEntry,  // a piece that is no unit's entry, as zenta log names it
};

struct TChainFinding {
    int Line = 0;
    TChainFault Fault = TChainFault::Edited;
    bool Unended = false;      // NotAnEntry: the record's last line, without its line feed
    int Before = 0;            // OutOfOrder: the line of the chained entry before it; 0 for none
    int Follows = 0;           // OutOfOrder: the line of the entry it follows; 0 when not in the record
    bool BeginsChain = false;  // OutOfOrder: it follows no entry, as a record's first does
    int ChainBegan = 0;        // Unchained: the line of the record's first chained entry
    bool operator==(const TChainFinding&) const = default;
};

struct TChainVerdict {
    std::string Record;
    int Entries = 0;
    int ChainedEntries = 0;
    int FirstChainedLine = 0;  // 0: the record holds no chained entry
    int UnchainedBefore = 0;   // entries before the chain began, of an older program
    int UnreadablePieces = 0;
    std::vector<TChainFinding> Findings;  // in the order of their lines
    // Whether something other than pieces that are no entry was found.
    bool Broken() const;
};

class TChainCheck {
public:
    explicit TChainCheck(std::string record);
    void Piece(const TRecordPiece& piece);
    // The verdict, with the lines that out-of-order entries follow found.
    TChainVerdict Finish();

private:
    struct TUnplaced {
        std::size_t Finding;
        std::string Prev;
    };
    TChainVerdict verdict_;
    // The last chained entry: its line, the chain value it carries and the one its bytes give.
    int lastLine_ = 0;
    std::string lastChain_;
    std::string lastComputed_;
    // What a writer after a line follows: the line being read, the one before it and the
    // one before that.
    struct TFollowed {
        std::string Value{kChainStart};
        bool AsWritten = false;
    };
    int line_ = 0;
    TFollowed current_;
    TFollowed before_;
    TFollowed beforeThat_;
    std::unordered_map<std::string, int> lineOfChain_;
    std::vector<TUnplaced> unplaced_;
};

// Checks the record file `path`; nothing when it cannot be read to its end.
std::optional<TChainVerdict> CheckRecordFile(const std::string& path);

// The finding as a line of text, after RECORD:LINE: .
std::string ChainFindingText(const TChainFinding& finding);

}  // namespace cli
