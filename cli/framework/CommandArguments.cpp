#include "cli/framework/CommandArguments.h"

#include <algorithm>

namespace cli {

TCommandArguments::TCommandArguments(const std::vector<std::string>& args, std::initializer_list<TOptionSpec> options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            help_ = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            positional_.push_back(arg);
            continue;
        }
        const auto spec = std::find_if(options.begin(), options.end(),
                                       [&arg](const TOptionSpec& o) { return arg == o.Name; });
        if (spec == options.end()) throw TUsageError("unknown option " + arg);
        if (options_.count(arg)) throw TUsageError(arg + " is given twice");
        if (!spec->TakesValue) {
            options_[arg];
            continue;
        }
        if (i + 1 == args.size()) throw TUsageError(arg + " needs a value");
        options_[arg] = args[++i];
    }
}

std::optional<std::string> TCommandArguments::Value(std::string_view option) const {
    const auto found = options_.find(std::string(option));
    if (found == options_.end()) return std::nullopt;
    return found->second;
}

void TCommandArguments::ExpectPositional(std::initializer_list<const char*> names) const {
    if (positional_.size() == names.size()) return;
    if (positional_.size() > names.size()) throw TUsageError("unexpected argument " + positional_[names.size()]);
    throw TUsageError(std::string(names.begin()[positional_.size()]) + " is missing");
}

}  // namespace cli
