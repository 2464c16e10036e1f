#pragma once
// A file dialog filter written as "Description|pattern|Description|pattern", in the form
// the Windows file dialogs take: every piece ended by a zero character and the whole ended
// by one more. A description with no pattern after it, or with an empty one, matches every
// file (an empty piece would end the list early).

#include <string>

namespace ui {

inline constexpr const char* kAllFilesPattern = "*.*";

std::string DoubleNulFilter(const std::string& filter);

// A default extension as the dialogs take it: no "*" and no leading ".".
std::string BareExtension(const std::string& defaultExt);

}  // namespace ui
