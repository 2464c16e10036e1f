#pragma once
// The command line of `zenta`: one CLI::App with a subcommand for each command, each
// declared in the command's own file (AddShowCommand and the like) with its options bound
// to a small options struct, typed, validated and related where they are declared, and its
// --help made from the declarations, with the exit codes the command gives as its footer.
// A line CLI11 refuses, or a command refuses after parsing (TUsageError), gives one line
// "zenta COMMAND: reason (see zenta COMMAND --help)" on the error stream and exit code 2.

#include <CLI/CLI.hpp>
#include <functional>
#include <stdexcept>
#include <string>

#include "cli/framework/CommandContext.h"

namespace cli {

// A line the command refuses after parsing it, such as a transport that is not listed.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCommandLine {
public:
    explicit TCommandLine(TCommandContext& context);

    // A command of zenta: `summary` in the list of commands; its own help gives `details`
    // after the options, then the exit codes it gives.
    CLI::App& AddCommand(const std::string& name, const std::string& summary, const std::string& details);
    // What the command does once its line is parsed; the exit code is what it returns.
    void OnRun(CLI::App& command, std::function<int(TCommandContext&)> run);

    // The arguments after the program's name.
    int Run(const TArgs& args);

private:
    TCommandContext& context_;
    CLI::App app_;
    int exit_ = 0;
};

// Every command of zenta on one line, run with the given context.
int RunCommandLine(const TArgs& args, TCommandContext& context);

}  // namespace cli
