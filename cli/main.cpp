// zenta: the ZENTA User Programmer's command line. It drives the same main window model
// as the desktop program, headless.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

#include "cli/framework/Commands.h"

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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        std::fputs(Usage().c_str(), argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const std::string name = argv[1];
    const auto commands = cli::Commands();
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&name](const cli::TCommand& c) { return name == c.Name; });
    if (command == commands.end()) {
        std::fprintf(stderr, "zenta: unknown command '%s'\n%s", name.c_str(), Usage().c_str());
        return 2;
    }
    try {
        return command->Run(cli::TArgs(argv + 2, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zenta %s: %s\n", name.c_str(), error.what());
        return 2;
    }
}
