#pragma once
// Words, keys and handles as hexadecimal text with upper-case digits, as the activity log,
// the simulated bench's state file and the command line all write them.

#include <cstdint>
#include <string>

namespace devlink {

// `value` in at least `digits` digits, with leading zeros: HexDigits(3500, 4) is "0DAC".
std::string HexDigits(std::uint32_t value, int digits);

}  // namespace devlink
