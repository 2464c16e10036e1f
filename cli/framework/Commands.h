#pragma once
// The commands of `zenta`. Each takes the arguments after its own name and returns the
// process exit code.

#include <span>
#include <string>
#include <vector>

namespace cli {

using TArgs = std::vector<std::string>;

struct TCommand {
    const char* Name;      // "show"
    const char* Synopsis;  // "show FILE", as `zenta --help` lists the command
    const char* Summary;
    int (*Run)(const TArgs& args);
};

// Every command, in the order `zenta --help` lists them, on this process's streams,
// clock, chip libraries and Ctrl-C.
std::span<const TCommand> Commands();

}  // namespace cli
