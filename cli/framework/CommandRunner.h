#pragma once
// What every command does with its command line: --help prints the usage on standard
// output; a bad line gives one line with its reason on the error stream, and exit code 2.

#include <functional>
#include <initializer_list>

#include "cli/framework/CommandArguments.h"
#include "cli/framework/CommandContext.h"

namespace cli {

int RunWithArguments(const char* command, const TArgs& args, std::initializer_list<TOptionSpec> options,
                     const char* usage, TCommandContext& context,
                     const std::function<int(const TCommandArguments&)>& body);

}  // namespace cli
