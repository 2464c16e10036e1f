#include "script/ScriptLexer.h"

#include <charconv>

#include "script/ScriptError.h"

namespace script {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Unescape(char c, int line) {
    switch (c) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case '"': return '"';
    case '\\': return '\\';
    default: break;
    }
    throw TScriptError(std::string("unknown escape \\") + c + " in quotes", line);
}

std::vector<TToken> SplitTokens(std::string_view text, int line) {
    std::vector<TToken> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        TToken token;
        while (i < text.size() && !IsBlank(text[i])) {
            if (text[i] != '"') {
                if (text[i] == '=' && token.Equals == std::string::npos) token.Equals = token.Text.size();
                token.Text += text[i++];
                continue;
            }
            token.Quoted = true;
            ++i;
            while (true) {
                if (i >= text.size()) throw TScriptError("missing closing quote", line);
                const char c = text[i++];
                if (c == '"') break;
                if (c != '\\') {
                    token.Text += c;
                    continue;
                }
                if (i >= text.size()) throw TScriptError("missing closing quote", line);
                token.Text += Unescape(text[i++], line);
            }
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}

}  // namespace

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
        lines.push_back({number, SplitTokens(text, number)});
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

std::string QuoteText(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        default: quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace script
