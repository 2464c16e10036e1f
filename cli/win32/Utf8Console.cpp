#include "cli/win32/Utf8Console.h"

#include <windows.h>

#include "ui/win32/WideText.h"

namespace cli::win32 {
namespace {

bool IsConsole(DWORD stream) {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(stream), &mode) != 0;
}

}  // namespace

TUtf8Console::TUtf8Console() {
    if (!IsConsole(STD_OUTPUT_HANDLE) && !IsConsole(STD_ERROR_HANDLE)) return;
    const UINT current = GetConsoleOutputCP();
    if (current != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) previous_ = current;
}

TUtf8Console::~TUtf8Console() {
    if (previous_ != 0) SetConsoleOutputCP(previous_);
}

std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(ui::win32::Utf8OfWide(argv[i]));
    return arguments;
}

}  // namespace cli::win32
