#pragma once
// zenta.exe writes UTF-8, so that a path outside the ANSI code page reads as it is named.
// A console shows those bytes only with its output code page set to UTF-8; the code page
// the console had comes back when the command ends, since the console outlives it.

#include <string>
#include <vector>

namespace cli::win32 {

class TUtf8Console {
public:
    TUtf8Console();
    ~TUtf8Console();
    TUtf8Console(const TUtf8Console&) = delete;
    TUtf8Console& operator=(const TUtf8Console&) = delete;

private:
    unsigned previous_ = 0;  // 0: the code page was left alone
};

// The command's arguments as UTF-8, from the UTF-16 that Windows hands to wmain.
std::vector<std::string> Utf8Arguments(int argc, wchar_t** argv);

}  // namespace cli::win32
