#pragma once
// A text of a settings file quoted for a message: as a JSON string literal with every
// byte beyond ASCII escaped, each read as Latin-1, so that any bytes, also those of a
// damaged file, read plainly on a terminal and give valid JSON.

#include <string>
#include <string_view>

namespace files {

std::string QuotedText(std::string_view bytes);

}  // namespace files
