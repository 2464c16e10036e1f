#pragma once
// Writing a file so that a failure never costs the user the file already there.

#include <string>
#include <string_view>

namespace files {

// Writes `bytes` to a new file beside `path` and moves it over `path` only once every
// byte is written and the new file is closed. On failure it returns false, leaves `path`
// as it was, and removes the new file again. A read-only `path` is a failure, as it is
// when the file is opened for writing: the move alone would replace it where only the
// folder's permission counts.
bool ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace files
