#include "script/ScriptLexer.h"

#include <charconv>

#include "script/ScriptError.h"

namespace script {

std::vector<TScriptLine> LexScript(std::string_view source) {
    std::vector<TScriptLine> lines;
    int number = 0;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = source.find('\n', start);
        if (end == std::string_view::npos) end = source.size();
        std::string_view text = source.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        const std::size_t first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos || text[first] == '#') continue;
        TScriptLine line{number, {}};
        std::string problem;
        if (!sim::SplitBenchLine(text, line.Tokens, problem)) throw TScriptError(problem, number);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::int64_t> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || (base == 16 && text.front() == '-')) return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string QuoteText(std::string_view text) { return sim::QuoteBenchText(text); }

}  // namespace script
