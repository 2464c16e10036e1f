// `zenta script FILE|-`: runs a script against the headless programmer.

#include <iostream>
#include <optional>
#include <sstream>

#include "cli/framework/CommandLine.h"
#include "script/ScriptRunner.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta script [-v] FILE|-\n"
    "Runs the script FILE (- reads standard input) against the headless programmer and a\n"
    "simulated unit. -v (--verbose) reports every check that held as well as those that\n"
    "failed. Exit status: 0 every check held, 1 a check failed, 2 the script could not be\n"
    "run. See docs/scripting.md.\n";

}  // namespace

int RunScriptCommand(const TArgs& args, TCommandContext& context) {
    TCommandLine line("script", kUsage);
    bool verbose = false;
    std::string path;
    line.Flag("-v,--verbose", verbose);
    line.Positional("FILE", path);
    return line.Run(args, context, [&] {
        std::ostringstream source;
        if (path == "-") {
            source << std::cin.rdbuf();
        } else {
            const std::optional<std::string> file = ui::ReadWholeFile(path);
            if (!file) {
                context.Err << "zenta script: cannot read " << path << '\n';
                return 2;
            }
            source << *file;
        }
        script::TScriptRunner runner(context.Out, context.Err, verbose);
        return runner.Run(source.str()).ExitCode;
    });
}

}  // namespace cli
