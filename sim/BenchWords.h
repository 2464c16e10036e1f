#pragma once
// The words of a line of the bench's vocabulary, as the state file and scripts write
// them: blanks separate words; double quotes, anywhere in a word, hold blanks and the
// escapes \" \\ \n \r \t. On a command line the shell has split the words already.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct TBenchWord {
    std::string Text;     // quotes removed, escapes resolved
    bool Quoted = false;  // some of it stood in quotes
    // Where the first "=" outside quotes stands in Text, for options such as key=0x02AB.
    std::size_t Equals = std::string::npos;
};
using TBenchLine = std::vector<TBenchWord>;

// Adds the line's words; false, with the reason, for an unterminated quote or an
// unknown escape.
bool SplitBenchLine(std::string_view line, TBenchLine& words, std::string& error);
// Command-line arguments as words.
TBenchLine BenchWords(const std::vector<std::string>& args);
// The text in double quotes, with the escapes it needs.
std::string QuoteBenchText(std::string_view text);

}  // namespace sim
