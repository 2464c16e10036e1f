#include "cli/record/ChainCheck.h"

#include "cli/record/RecordChain.h"
#include "report/Sha256.h"

namespace cli {

bool TChainVerdict::Broken() const {
    for (const TChainFinding& finding : Findings)
        if (finding.Fault != TChainFault::NotAnEntry) return true;
    return false;
}

TChainCheck::TChainCheck(std::string record) { verdict_.Record = std::move(record); }

void TChainCheck::Piece(const TRecordPiece& piece) {
    if (piece.Line != line_) {
        if (line_ != 0) {
            beforeThat_ = before_;
            before_ = current_;
        }
        line_ = piece.Line;
    }
    // The value a writer after this piece takes, when it ends the line.
    current_ = {std::string(ChainValueAfter(piece.Bytes)), EndsAsWritten(piece.Bytes)};
    const std::optional<TChainLink> link = ChainLinkOf(piece.Bytes);
    const std::string computed = link ? report::Sha256Hex(link->Hashed) : std::string();
    // A line a writer cut off within its chain members is no entry; an entry that names
    // the entry before it but not its own value was edited.
    const bool cutOff = link && CutOffWithinChain(piece.Bytes, *link, computed);
    if (!link || cutOff) {
        if (EntryOfLine(piece.Bytes)) {
            ++verdict_.Entries;
            if (lastLine_ == 0)
                ++verdict_.UnchainedBefore;
            else
                verdict_.Findings.push_back(
                    {.Line = piece.Line, .Fault = TChainFault::Unchained, .ChainBegan = verdict_.FirstChainedLine});
        } else {
            ++verdict_.UnreadablePieces;
            verdict_.Findings.push_back(
                {.Line = piece.Line, .Fault = TChainFault::NotAnEntry, .Unended = piece.Unended});
        }
        return;
    }

    ++verdict_.Entries;
    ++verdict_.ChainedEntries;
    if (verdict_.FirstChainedLine == 0) verdict_.FirstChainedLine = piece.Line;
    if (link->Tail != ChainTail(computed))
        verdict_.Findings.push_back({.Line = piece.Line, .Fault = TChainFault::Edited});
    // A writer follows the last line before its own (ChainValueAfter), or the line before
    // that when the last was cut off then; a line edited after the next was written is
    // followed by its value as it stood.
    const bool follows = link->Prev == before_.Value || (!before_.AsWritten && link->Prev == beforeThat_.Value) ||
                         (lastLine_ != 0 && (link->Prev == lastChain_ || link->Prev == lastComputed_));
    if (!follows) {
        unplaced_.push_back({verdict_.Findings.size(), std::string(link->Prev)});
        verdict_.Findings.push_back({.Line = piece.Line, .Fault = TChainFault::OutOfOrder, .Before = lastLine_});
    }
    if (!link->Chain.empty()) lineOfChain_.try_emplace(std::string(link->Chain), piece.Line);
    if (computed != link->Chain) lineOfChain_.try_emplace(computed, piece.Line);
    lastLine_ = piece.Line;
    lastChain_ = link->Chain;
    lastComputed_ = computed;
}

TChainVerdict TChainCheck::Finish() {
    for (const TUnplaced& unplaced : unplaced_) {
        TChainFinding& finding = verdict_.Findings[unplaced.Finding];
        if (unplaced.Prev == kChainStart) {
            finding.BeginsChain = true;
        } else if (const auto found = lineOfChain_.find(unplaced.Prev); found != lineOfChain_.end()) {
            finding.Follows = found->second;
        }
    }
    return std::move(verdict_);
}

std::optional<TChainVerdict> CheckRecordFile(const std::string& path) {
    TChainCheck check(path);
    TRecordSummary summary;
    if (!AddRecordFile(summary, path, {}, [&check](const TRecordPiece& piece) { check.Piece(piece); }))
        return std::nullopt;
    return check.Finish();
}

std::string ChainFindingText(const TChainFinding& finding) {
    switch (finding.Fault) {
    case TChainFault::Edited: return "edited: its bytes do not give its own chain value";
    case TChainFault::OutOfOrder: {
        const std::string follows =
            finding.BeginsChain ? std::string("begins a chain")
            : finding.Follows > 0
                ? "follows the one on line " + std::to_string(finding.Follows)
                : "follows one that is not in the record (a line deleted before it, or this one put in)";
        if (finding.Before == 0) return "out of order: the first chained entry, yet it " + follows;
        return "out of order: it does not follow the entry on line " + std::to_string(finding.Before) + " but " +
               follows;
    }
    case TChainFault::Unchained:
        return "an entry without the chain, which began on line " + std::to_string(finding.ChainBegan) +
               ": written by an older program, or put in";
    case TChainFault::NotAnEntry:
        return finding.Unended ? "not a unit's entry (the last line, without its line feed: a run cut off while "
                                 "writing it)"
                               : "not a unit's entry";
    }
    return "";
}

}  // namespace cli
