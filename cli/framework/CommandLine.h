#pragma once
// The command line of one command: its options and positional arguments bound to the
// command's fields. --help (-h) prints the command's usage on standard output; a bad
// line gives one line "zenta COMMAND: reason (see zenta COMMAND --help)" on the error
// stream and exit code 2, whatever the command.

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
    // The next positional argument, which the line must give.
    void Positional(const char* name, std::string& field);

    // Parses the arguments into the fields and runs the body, or answers --help or a bad
    // line itself. The body may throw TUsageError.
    int Run(const TArgs& args, TCommandContext& context, const std::function<int()>& body);

private:
    std::string UsageProblem(const std::exception& error) const;

    const char* command_;
    const char* usage_;
    std::unique_ptr<CLI::App> app_;
    std::vector<std::string> positionals_;
};

}  // namespace cli
