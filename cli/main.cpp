// zenta: the ZENTA User Programmer's command line. It drives the same main window model
// as the desktop program, headless.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Commands.h"
#ifdef _WIN32
#include "cli/win32/Utf8Console.h"
#endif

namespace {

constexpr const char* kUsage =
    "usage: zenta COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  show FILE       every setting of a settings file as the window shows it\n"
    "  diff A B        the settings two files give differently\n"
    "  check FILE      what loading a file would skip, clamp or leave unselected\n"
    "  read            READ DEVICE on the attached unit\n"
    "  program FILE    LOAD FILE and PROGRAM DEVICE; --count N for a production run\n"
    "  restart         RESTART DEVICE on the attached unit\n"
    "  script FILE|-   run a script against the headless programmer and a simulated unit\n"
    "  sim ...         show or change the simulated unit on the bench\n"
    "\n"
    "Run 'zenta COMMAND --help' for a command's own options.\n";

int Run(const std::vector<std::string>& argv) {
    const std::size_t argc = argv.size();
    if (argc < 2 || argv[1] == "--help" || argv[1] == "-h") {
        std::fputs(kUsage, argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const std::string& command = argv[1];
    const cli::TArgs args(argv.begin() + 2, argv.end());
    try {
        if (command == "script") return cli::RunScriptCommand(args);
        if (command == "sim") return cli::RunSimCommand(args);
        if (command == "show") return cli::RunShowCommand(args);
        if (command == "diff") return cli::RunDiffCommand(args);
        if (command == "check") return cli::RunCheckCommand(args);
        if (command == "read") return cli::RunReadCommand(args);
        if (command == "program") return cli::RunProgramCommand(args);
        if (command == "restart") return cli::RunRestartCommand(args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zenta %s: %s\n", command.c_str(), error.what());
        return 2;
    }
    std::fprintf(stderr, "zenta: unknown command '%s'\n%s", command.c_str(), kUsage);
    return 2;
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
