#pragma once
// The lexical rules of scripts: one command per line, blank and comment lines skipped,
// tokens split as the simulated bench's lines are (sim/BenchWords.h: blanks between
// them, double quotes holding blanks and the escapes \n \r \t \" \\), numbers in
// decimal (optional minus) or 0x hexadecimal.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/BenchWords.h"

namespace script {

using TToken = sim::TBenchWord;

struct TScriptLine {
    int Number = 0;  // counted from 1
    std::vector<TToken> Tokens;
};

// Throws TScriptError, with the line, for an unterminated quote or an unknown escape.
std::vector<TScriptLine> LexScript(std::string_view source);

// Decimal with an optional "-", or "0x" followed by hexadecimal digits; nothing for
// anything else or a value beyond 64 bits.
std::optional<std::int64_t> ParseNumber(std::string_view text);

// The text in double quotes, written back with the escapes a script would use.
std::string QuoteText(std::string_view text);

}  // namespace script
