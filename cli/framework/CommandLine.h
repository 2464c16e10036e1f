#pragma once
// The command line of one command: its options and positional arguments bound to the
// command's fields, and its sub-commands ("zenta sim attach"), each a command line of its
// own. --help (-h) prints the usage of the command or sub-command it follows on standard
// output; a bad line gives one line "zenta COMMAND: reason (see zenta COMMAND --help)" on
// the error stream and exit code 2, whatever the command, where COMMAND names the
// sub-command too when the line got as far as one.

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/framework/CommandContext.h"

namespace CLI {
class App;
}  // namespace CLI

namespace cli {

// A line the command refuses after parsing it, such as a value out of range.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TCommandLine {
public:
    TCommandLine(const char* command, const char* usage);
    ~TCommandLine();
    TCommandLine(const TCommandLine&) = delete;
    TCommandLine& operator=(const TCommandLine&) = delete;

    // An option without a value, at most once.
    void Flag(const char* name, bool& field);
    // An option with a value ("--output FILE" or "--output=FILE"), at most once.
    void Option(const char* name, std::optional<std::string>& field);
    // An option with a value, as often as the line gives it, in its order.
    void Options(const char* name, std::vector<std::string>& field);
    // The next positional argument, which the line must give.
    void Positional(const char* name, std::string& field);
    // The positional arguments left, at least one.
    void Positionals(const char* name, std::vector<std::string>& field);
    // A sub-command named right after the command, with its own fields, usage and body.
    // A command with sub-commands needs one on every line.
    TCommandLine& Subcommand(const char* name, const char* usage, std::function<int()> body);

    // Parses the arguments into the fields and runs the body, or answers --help or a bad
    // line itself. The body may throw TUsageError.
    int Run(const TArgs& args, TCommandContext& context, const std::function<int()>& body);
    // The same for a command of sub-commands: the body of the one the line names runs.
    int Run(const TArgs& args, TCommandContext& context);

private:
    TCommandLine(std::string command, const char* usage, CLI::App& app, std::function<int()> body);
    // The sub-command the line got to, or this command.
    const TCommandLine& Reached() const;
    std::string UsageProblem(const std::exception& error) const;
    int Refuse(TCommandContext& context, const std::string& reason) const;

    std::string command_;
    const char* usage_;
    std::unique_ptr<CLI::App> ownApp_;  // the command's; a sub-command's belongs to its command's
    CLI::App* app_;
    std::function<int()> body_;
    std::vector<std::string> positionals_;
    std::vector<std::unique_ptr<TCommandLine>> subcommands_;
};

}  // namespace cli
