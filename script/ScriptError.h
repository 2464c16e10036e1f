#pragma once
// A script that cannot be run: an unknown command, control or property, or a command
// given where it cannot stand. The driver stops at the first one.

#include <stdexcept>
#include <string>

namespace script {

class TScriptError : public std::runtime_error {
public:
    // Line 0: the runner fills in the line of the command it is running.
    explicit TScriptError(const std::string& message, int line = 0) : std::runtime_error(message), Line(line) {}
    int Line;
};

}  // namespace script
