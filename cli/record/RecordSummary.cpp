#include "cli/record/RecordSummary.h"

#include <algorithm>

#include "ui/LocalFiles.h"

namespace cli {
namespace {

constexpr std::string_view kEntryStart = R"({"time":)";

void Count(const TRecordEntry& entry, TRecordSummary& summary) {
    ++summary.Units;
    ++summary.ByResult[entry.Result];
    ++summary.ByWritten[entry.Written];
    ++summary.ByKind[entry.Kind];
    ++summary.ByFile[entry.File + " (sha256 " + entry.Sha256.substr(0, 12) + ")"];
    ++summary.ByAdapter[entry.Adapter];
    ++summary.ByBench[entry.Bench];
    ++summary.ByOperator[entry.Operator];
    ++summary.ByProgramVersion[entry.ProgramVersion];
}

// An empty line, or one a text editor left with its carriage return, holds nothing.
bool Blank(std::string_view piece) { return piece.find_first_not_of(" \t\r") == std::string_view::npos; }

}  // namespace

TRecordScanner::TRecordScanner(TRecordSummary& summary, std::string record, TOnUnreadable onUnreadable,
                               TOnPiece onPiece)
    : summary_(summary),
      record_(std::move(record)),
      onUnreadable_(std::move(onUnreadable)),
      onPiece_(std::move(onPiece)) {
    ++summary_.Records;
}

void TRecordScanner::Feed(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        Take(bytes.substr(0, end));
        if (end == std::string_view::npos) return;
        EndLine(false);
        bytes.remove_prefix(end + 1);
    }
}

void TRecordScanner::Finish() {
    if (line_.size() > begin_ || overlong_) EndPiece(line_.size(), true);
}

// Each entry start after the piece's own begins a piece of its own. An entry start at
// the piece's first byte is its own, unless that byte follows bytes passed over.
void TRecordScanner::Take(std::string_view bytes) {
    line_.append(bytes);
    for (;;) {
        const std::size_t from = std::max(searched_, begin_ + (overlong_ ? 0 : 1));
        const std::size_t start = line_.find(kEntryStart, from);
        if (start == std::string::npos) break;
        EndPiece(start, false);
    }
    // An entry start may begin in the last bytes and end in the next block.
    constexpr std::size_t kTail = kEntryStart.size() - 1;
    searched_ = std::max(begin_, line_.size() > kTail ? line_.size() - kTail : 0);
    if (line_.size() - begin_ > kLongestEntry) {
        begin_ = line_.size() - kTail;
        overlong_ = true;
    }
    if (begin_ > 0 && begin_ >= line_.size() / 2) {
        line_.erase(0, begin_);
        searched_ -= begin_;
        begin_ = 0;
    }
}

void TRecordScanner::EndPiece(std::size_t end, bool unended) {
    const std::string_view piece(line_.data() + begin_, end - begin_);
    if (onPiece_) {
        if (overlong_ || !Blank(piece))
            onPiece_({.Bytes = overlong_ ? std::string_view() : piece, .Line = number_, .Unended = unended});
    } else if (overlong_) {
        Unreadable(unended);
    } else if (!Blank(piece)) {
        if (const std::optional<TRecordEntry> entry = EntryOfLine(piece)) {
            Count(*entry, summary_);
            if (onEntry_) onEntry_(*entry);
        } else {
            Unreadable(unended);
        }
    }
    begin_ = end;
    overlong_ = false;
}

void TRecordScanner::EndLine(bool unended) {
    EndPiece(line_.size(), unended);
    line_.clear();
    begin_ = 0;
    searched_ = 0;
    ++number_;
}

void TRecordScanner::Unreadable(bool unended) {
    const TUnreadablePiece piece{record_, number_, unended};
    ++summary_.UnreadablePieces;
    if (summary_.Unreadable.size() < kListedPieces) summary_.Unreadable.push_back(piece);
    if (onUnreadable_) onUnreadable_(piece);
}

bool AddRecordFile(TRecordSummary& summary, const std::string& path, const TOnUnreadable& onUnreadable,
                   const TOnPiece& onPiece) {
    TRecordScanner scanner(summary, path, onUnreadable, onPiece);
    if (!ui::ReadFileInBlocks(path, [&scanner](std::string_view block) { scanner.Feed(block); })) return false;
    scanner.Finish();
    return true;
}

TRecordSummary SummarizeRecord(std::string_view bytes) {
    TRecordSummary summary;
    TRecordScanner scanner(summary, "");
    scanner.Feed(bytes);
    scanner.Finish();
    return summary;
}

std::optional<TNumberedEntry> NumberedEntry(const std::string& path, int number) {
    TRecordSummary summary;
    TNumberedEntry found;
    TRecordScanner scanner(summary, path);
    scanner.OnEntry([&](const TRecordEntry& entry) {
        if (summary.Units == number) found.Entry = entry;
    });
    if (!ui::ReadFileInBlocks(path, [&scanner](std::string_view block) { scanner.Feed(block); })) return std::nullopt;
    scanner.Finish();
    found.Units = summary.Units;
    return found;
}

}  // namespace cli
