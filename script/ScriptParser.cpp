#include "script/ScriptParser.h"

#include "script/ScriptError.h"
#include "script/ScriptGrammar.h"

namespace script {
namespace {

const TCommandTable& Commands() {
    static const TCommandTable table = [] {
        TCommandTable commands;
        AddSessionCommands(commands);
        AddUnitCommands(commands);
        AddCheckCommands(commands);
        return commands;
    }();
    return table;
}

}  // namespace

std::vector<TScriptStep> ParseScript(std::string_view source) {
    std::vector<TScriptStep> steps;
    for (const TScriptLine& line : LexScript(source)) {
        const TToken& word = line.Tokens.front();
        const auto command = word.Quoted ? Commands().end() : Commands().find(word.Text);
        if (command == Commands().end()) throw TScriptError("unknown command " + QuoteText(word.Text), line.Number);
        try {
            TScriptArguments arguments(line, word.Text);
            steps.push_back({line.Number, command->second(arguments)});
        } catch (const TScriptError& error) {
            throw TScriptError(error.what(), line.Number);
        }
    }
    return steps;
}

}  // namespace script
