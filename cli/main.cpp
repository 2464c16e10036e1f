// zenta: the ZENTA User Programmer's command line. It drives the same main window model
// as the desktop program, headless.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/framework/Commands.h"
#ifdef _WIN32
#include "cli/win32/Utf8Console.h"
#endif

namespace {

std::string Usage() {
    std::string usage = "usage: zenta COMMAND [ARGS]\n\ncommands:\n";
    for (const cli::TCommand& command : cli::Commands()) {
        std::string synopsis = command.Synopsis;
        synopsis.resize(std::max<std::size_t>(synopsis.size() + 1, 16), ' ');
        usage += "  " + synopsis + command.Summary + "\n";
    }
    return usage + "\nRun 'zenta COMMAND --help' for a command's own options.\n";
}

// The arguments as UTF-8, the program's name first.
int Run(const std::vector<std::string>& argv) {
    if (argv.size() < 2 || argv[1] == "--help" || argv[1] == "-h") {
        std::fputs(Usage().c_str(), argv.size() < 2 ? stderr : stdout);
        return argv.size() < 2 ? 2 : 0;
    }
    const std::string& name = argv[1];
    const auto commands = cli::Commands();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&name](const cli::TCommand& c) { return name == c.Name; });
    if (command == commands.end()) {
        std::fprintf(stderr, "zenta: unknown command '%s'\n%s", name.c_str(), Usage().c_str());
        return 2;
    }
    try {
        return command->Run(cli::TArgs(argv.begin() + 2, argv.end()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zenta %s: %s\n", name.c_str(), error.what());
        return 2;
    }
}

}  // namespace

// Windows hands the arguments over as UTF-16 (linked with -municode); inside they are UTF-8.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    const cli::win32::TUtf8Console console;
    return Run(cli::win32::Utf8Arguments(argc, argv));
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv, argv + argc)); }
#endif
