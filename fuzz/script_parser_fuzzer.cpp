// The `zenta script` parser on arbitrary text: it turns a script into steps or refuses
// it with a script error naming a line of the script, and nothing else; and every token
// it reads, written back in quotes, reads again as the same text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "script/ScriptError.h"
#include "script/ScriptLexer.h"
#include "script/ScriptParser.h"

namespace {

int LineCount(std::string_view source) {
    int lines = 1;
    for (const char c : source) lines += c == '\n' ? 1 : 0;
    return lines;
}

void CheckQuotedTokens(std::string_view source) {
    std::vector<script::TScriptLine> lines;
    try {
        lines = script::LexScript(source);
    } catch (const script::TScriptError&) {
        return;
    }
    for (const script::TScriptLine& line : lines) {
        fuzzing::Require(!line.Tokens.empty(), "a script line without tokens");
        for (const script::TToken& token : line.Tokens) {
            const auto again = script::LexScript("w " + script::QuoteText(token.Text));
            fuzzing::Require(again.size() == 1 && again[0].Tokens.size() == 2 &&
                                 again[0].Tokens[1].Text == token.Text && again[0].Tokens[1].Quoted,
                             "a quoted token reads back as other text");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    try {
        const auto steps = script::ParseScript(source);
        for (const script::TScriptStep& step : steps)
            fuzzing::Require(step.Line >= 1 && step.Line <= LineCount(source) && step.Run != nullptr,
                             "a step without its line or its call");
    } catch (const script::TScriptError& error) {
        fuzzing::Require(error.Line >= 1 && error.Line <= LineCount(source),
                         "a script error on line " + std::to_string(error.Line));
    }
    CheckQuotedTokens(source);
    return 0;
}
