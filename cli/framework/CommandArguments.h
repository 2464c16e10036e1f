#pragma once
// The command line of one sub-command: options from a fixed list, each at most once and
// some taking a value (--output FILE), anywhere among the positional arguments; --help
// (-h) is always allowed. A bad line throws TUsageError with a one-line reason.

#include <initializer_list>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TOptionSpec {
    const char* Name;  // "--output"
    bool TakesValue;
};

class TCommandArguments {
public:
    TCommandArguments(const std::vector<std::string>& args, std::initializer_list<TOptionSpec> options);

    bool Help() const { return help_; }
    bool Has(std::string_view option) const { return options_.count(std::string(option)) != 0; }
    std::optional<std::string> Value(std::string_view option) const;
    const std::vector<std::string>& Positional() const { return positional_; }
    // Throws unless there are exactly `count` positional arguments, named in the message.
    void ExpectPositional(std::initializer_list<const char*> names) const;

private:
    bool help_ = false;
    std::map<std::string, std::string> options_;
    std::vector<std::string> positional_;
};

}  // namespace cli
