#pragma once
// The number conversion of settings files: hand-edited files may hold anything, and
// every text must still give a number, the way the C library's atoi reads it.

#include <cstdint>
#include <string_view>

namespace files {

// Skips leading white space, takes an optional "+" or "-", then the digits up to the
// first character that is not one; no digits give 0. Digits beyond the 32-bit range
// wrap around instead of overflowing.
std::int32_t DecimalValue(std::string_view text);
// Whether DecimalValue finds any digit in the text, so that a 0 it gives is one the text
// holds and not one made up for a text without a number.
bool HasDecimalDigits(std::string_view text);

}  // namespace files
