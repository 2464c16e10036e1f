// The `zenta script` parser on arbitrary text: it turns a script into steps or refuses
// it with a script error naming a line of the script, and nothing else; and every token
// it reads, written back in quotes, reads again as the same text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "cli/ScriptError.h"
#include "cli/ScriptLexer.h"
#include "cli/ScriptParser.h"

namespace {

int LineCount(std::string_view source) {
    int lines = 1;
    for (const char c : source) lines += c == '\n' ? 1 : 0;
    return lines;
}

void CheckQuotedTokens(std::string_view source) {
    std::vector<cli::TScriptLine> lines;
    try {
        lines = cli::LexScript(source);
    } catch (const cli::TScriptError&) {
        return;
    }
    for (const cli::TScriptLine& line : lines) {
        fuzzing::Require(!line.Tokens.empty(), "a script line without tokens");
        for (const cli::TToken& token : line.Tokens) {
            const auto again = cli::LexScript("w " + cli::QuoteText(token.Text));
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
        const auto steps = cli::ParseScript(source);
        for (const cli::TScriptStep& step : steps)
            fuzzing::Require(step.Line >= 1 && step.Line <= LineCount(source) && step.Run != nullptr,
                             "a step without its line or its call");
    } catch (const cli::TScriptError& error) {
        fuzzing::Require(error.Line >= 1 && error.Line <= LineCount(source),
                         "a script error on line " + std::to_string(error.Line));
    }
    CheckQuotedTokens(source);
    return 0;
}
