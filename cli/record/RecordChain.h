#pragma once
// The chain of a production record: each entry ends with the chain value of the entry
// before it in the same file ("chain_prev", kChainStart for a file's first) and its own
// ("chain", the SHA-256 of the line's bytes before that member). An edited line no longer
// gives its own value, the last line too; a line deleted, put in or moved leaves an entry
// whose "chain_prev" is not the value of the entry before it. Anyone who writes the chain
// anew from a line on makes a consistent record again: the chain shows alterations, it
// does not sign.

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// No text of an entry holds either name, since the quotes of its texts are escaped.
inline constexpr std::string_view kChainMember = R"(,"chain":")";
inline constexpr std::string_view kPrevMember = R"(,"chain_prev":")";
inline constexpr std::string_view kChainStart = "0000000000000000000000000000000000000000000000000000000000000000";

// A record line as it was written: a RecordLine, whose last character closes its object.
// The chain members are added at its end, after every member of the entry.
std::string ChainedLine(std::string_view line, std::string_view lastLine);

// The chain members of a line, as texts; nothing for a line with neither.
struct TChainLink {
    std::string_view Hashed;  // the bytes before ,"chain": (all of them without it)
    std::string_view Prev;    // "chain_prev"'s value, empty when the line has none
    std::string_view Chain;   // "chain"'s value, empty when the line has none
    std::string_view Tail;    // the bytes from ,"chain": on, empty when the line has none
};
std::optional<TChainLink> ChainLinkOf(std::string_view line);

// Whether the line ends with its chain members as a writer writes them (whatever its
// chain value), so that it was not cut off there.
bool EndsAsWritten(std::string_view line);

// What an entry written after `line` follows: the line's chain value as it stands, or the
// start of a chain after a line that carries none (an entry of an older program, a piece
// that is no entry) and in an empty record.
std::string_view ChainValueAfter(std::string_view line);

// The tail a line with the chain value `chain` ends with.
std::string ChainTail(std::string_view chain);

// Whether `line`, whose bytes before its chain value give `computed`, stops within its
// chain members: what a writer that was cut off there leaves.
bool CutOffWithinChain(std::string_view line, const TChainLink& link, std::string_view computed);

}  // namespace cli
