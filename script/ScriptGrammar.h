#pragma once
// The commands of the script grammar, each with the function that checks its arguments
// and turns them into a call on the runner. Each group adds its own commands.

#include <functional>
#include <map>
#include <string>

#include "script/ScriptArguments.h"

namespace script {

class TScriptRunner;

using TScriptAction = std::function<void(TScriptRunner&)>;
using TCommandParser = TScriptAction (*)(TScriptArguments&);
using TCommandTable = std::map<std::string, TCommandParser, std::less<>>;

// Set-up, program entry, user actions and answers.
void AddSessionCommands(TCommandTable& table);
// The simulated unit and the script's own files.
void AddUnitCommands(TCommandTable& table);
// The checks.
void AddCheckCommands(TCommandTable& table);

}  // namespace script
