#pragma once
// One argument of a command line given to CreateProcessW, so that the C runtime's parser
// (CommandLineToArgvW's rules) reads it back as it was.

#include <string>

namespace ui::win32 {

// Quoted when it is empty or holds blanks or quotes, a quote escaped, and the backslashes
// before a quote or the closing quote doubled. Other backslashes (\\.\CSR1) stay.
std::wstring QuotedArgument(const std::wstring& argument);

}  // namespace ui::win32
