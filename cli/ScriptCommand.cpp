// `zenta script FILE|-`: runs a script against the headless programmer.

#include <iostream>
#include <optional>
#include <sstream>

#include "cli/Commands.h"
#include "cli/ScriptRunner.h"
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

int RunScriptCommand(const TArgs& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    const bool verbose = args.size() == 2 && (args[0] == "-v" || args[0] == "--verbose");
    if (args.size() != (verbose ? 2u : 1u)) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string& path = args.back();
    std::ostringstream source;
    if (path == "-") {
        source << std::cin.rdbuf();
    } else {
        const std::optional<std::string> file = ui::ReadWholeFile(path);
        if (!file) {
            std::cerr << "zenta script: cannot read " << path << '\n';
            return 2;
        }
        source << *file;
    }
    TScriptRunner runner(std::cout, std::cerr, verbose);
    return runner.Run(source.str()).ExitCode;
}

}  // namespace cli
