#include "script/ScriptArguments.h"

#include <algorithm>

#include "script/ScriptError.h"

namespace script {

TScriptArguments::TScriptArguments(const TScriptLine& line, std::string_view command)
    : tokens_(line.Tokens), command_(command) {}

const TToken& TScriptArguments::Next(std::string_view what) {
    if (AtEnd()) throw TScriptError(command_ + ": missing " + std::string(what));
    return tokens_[next_++];
}

std::int64_t TScriptArguments::ToNumber(const std::string& text, std::string_view what, std::int64_t min,
                                        std::int64_t max) {
    const auto value = ParseNumber(text);
    if (!value || *value < min || *value > max)
        throw TScriptError(std::string(what) + " must be a number from " + std::to_string(min) + " to " +
                           std::to_string(max) + ", not " + QuoteText(text));
    return *value;
}

std::int64_t TScriptArguments::Number(std::string_view what, std::int64_t min, std::int64_t max) {
    return ToNumber(Next(what).Text, command_ + ": " + std::string(what), min, max);
}

std::map<std::string, std::string> TScriptArguments::Options(std::initializer_list<std::string_view> allowed) {
    std::map<std::string, std::string> options;
    while (!AtEnd()) {
        const TToken& token = tokens_[next_++];
        const std::string name = token.Text.substr(0, token.Equals);
        if (token.Equals == std::string::npos || std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            throw TScriptError(command_ + ": unexpected " + QuoteText(token.Text));
        if (!options.emplace(name, token.Text.substr(token.Equals + 1)).second)
            throw TScriptError(command_ + ": " + name + "= given twice");
    }
    return options;
}

void TScriptArguments::End() const {
    if (!AtEnd()) throw TScriptError(command_ + ": unexpected " + QuoteText(tokens_[next_].Text));
}

}  // namespace script
