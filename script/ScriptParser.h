#pragma once
// The grammar of scripts: each line becomes one step, a call on the runner with its
// arguments checked and converted. Nothing runs while parsing, so a script with a line
// the driver does not understand is refused before it has done anything.

#include <functional>
#include <string_view>
#include <vector>

namespace script {

class TScriptRunner;

struct TScriptStep {
    int Line = 0;
    std::function<void(TScriptRunner&)> Run;
};

// Throws TScriptError, with the line, for an unknown command or wrong arguments.
std::vector<TScriptStep> ParseScript(std::string_view source);

}  // namespace script
