#include "sim/BenchWords.h"

namespace sim {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool SplitBenchLine(std::string_view line, TBenchLine& words, std::string& error) {
    std::size_t at = 0;
    while (true) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at >= line.size()) return true;
        TBenchWord word;
        while (at < line.size() && !IsBlank(line[at])) {
            const char c = line[at++];
            if (c != '"') {
                if (c == '=' && word.Equals == std::string::npos) word.Equals = word.Text.size();
                word.Text += c;
                continue;
            }
            word.Quoted = true;
            bool closed = false;
            while (at < line.size() && !closed) {
                const char inside = line[at++];
                if (inside == '"') {
                    closed = true;
                } else if (inside != '\\') {
                    word.Text += inside;
                } else if (at < line.size()) {
                    switch (const char escaped = line[at++]) {
                    case 'n': word.Text += '\n'; break;
                    case 'r': word.Text += '\r'; break;
                    case 't': word.Text += '\t'; break;
                    case '"':
                    case '\\': word.Text += escaped; break;
                    default: error = std::string("unknown escape \\") + escaped + " in quotes"; return false;
                    }
                }
            }
            if (!closed) {
                error = "missing closing quote";
                return false;
            }
        }
        words.push_back(std::move(word));
    }
}

TBenchLine BenchWords(const std::vector<std::string>& args) {
    TBenchLine words;
    for (const std::string& arg : args) words.push_back({arg, false, arg.find('=')});
    return words;
}

std::string QuoteBenchText(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default: quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace sim
