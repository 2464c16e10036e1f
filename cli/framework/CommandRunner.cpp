#include "cli/framework/CommandRunner.h"

#include "cli/framework/ExitCodes.h"

namespace cli {

int RunWithArguments(const char* command, const TArgs& args, std::initializer_list<TOptionSpec> options,
                     const char* usage, TCommandContext& context,
                     const std::function<int(const TCommandArguments&)>& body) {
    try {
        const TCommandArguments arguments(args, options);
        if (arguments.Help()) {
            context.Out << usage;
            return kExitOk;
        }
        return body(arguments);
    } catch (const TUsageError& error) {
        context.Err << "zenta " << command << ": " << error.what() << " (see zenta " << command << " --help)\n";
        return kExitUsage;
    }
}

}  // namespace cli
