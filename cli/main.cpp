// zenta: the ZENTA User Programmer's command line, on the same rooms as the window.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/framework/CommandLine.h"
#ifdef _WIN32
#include "cli/win32/Utf8Console.h"
#endif

namespace {

// The arguments as UTF-8, the program's name first.
int Run(const std::vector<std::string>& argv) {
    try {
        return cli::RunCommandLine(cli::TArgs(argv.begin() + 1, argv.end()), cli::SystemContext());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zenta: %s\n", error.what());
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
