#pragma once
// The arguments of one script line, taken in order: texts, keywords, numbers within a
// range, and trailing NAME=VALUE options. Each throws TScriptError saying what is wrong.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

#include "script/ScriptLexer.h"

namespace script {

class TScriptArguments {
public:
    // The tokens after the command word.
    TScriptArguments(const TScriptLine& line, std::string_view command);

    std::string_view Command() const { return command_; }
    bool AtEnd() const { return next_ >= tokens_.size(); }
    // The next token, whatever it holds; `what` names it in the error when it is missing.
    const TToken& Next(std::string_view what);
    std::string Text(std::string_view what) { return Next(what).Text; }
    std::int64_t Number(std::string_view what, std::int64_t min, std::int64_t max);
    // The remaining tokens, each NAME=VALUE with a NAME of `allowed`, each at most once.
    std::map<std::string, std::string> Options(std::initializer_list<std::string_view> allowed);
    // Throws when tokens are left.
    void End() const;

    // A number within min..max, or the error naming `what`.
    static std::int64_t ToNumber(const std::string& text, std::string_view what, std::int64_t min, std::int64_t max);
    // A 16-bit word (a key id, a stored word), or the error naming `what`.
    static std::uint16_t ToWord(const std::string& text, std::string_view what) {
        return static_cast<std::uint16_t>(ToNumber(text, what, 0, 0xFFFF));
    }

private:
    const std::vector<TToken>& tokens_;
    std::size_t next_ = 1;
    std::string command_;
};

}  // namespace script
