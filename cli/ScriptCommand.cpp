// `zenta script FILE|-`: runs a script against the headless programmer.

#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/Commands.h"
#include "cli/ScriptRunner.h"

namespace cli {
namespace {

constexpr const char* kUsage =
    "usage: zenta script FILE|-\n"
    "Runs the script FILE (- reads standard input) against the headless programmer and a\n"
    "simulated unit. Exit status: 0 every check held, 1 a check failed, 2 the script\n"
    "could not be run. See docs/scripting.md.\n";

}  // namespace

int RunScriptCommand(const TArgs& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (args.size() != 1) {
        std::cerr << kUsage;
        return 2;
    }
    std::ostringstream source;
    if (args[0] == "-") {
        source << std::cin.rdbuf();
    } else {
        std::ifstream file(args[0], std::ios::binary);
        if (!file) {
            std::cerr << "zenta script: cannot read " << args[0] << '\n';
            return 2;
        }
        source << file.rdbuf();
    }
    TScriptRunner runner(std::cout, std::cerr);
    return runner.Run(source.str()).ExitCode;
}

}  // namespace cli
