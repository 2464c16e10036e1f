#include "link/HexText.h"

#include <cstdio>

namespace devlink {

std::string HexDigits(std::uint32_t value, int digits) {
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return {text, static_cast<std::size_t>(length)};
}

}  // namespace devlink
