#pragma once
// SHA-256 (FIPS 180-4) of a byte string, so that a production record names the exact
// settings file each unit got: two files that differ in one byte differ here.

#include <string>
#include <string_view>

namespace report {

// The digest as 64 lower-case hex digits.
std::string Sha256Hex(std::string_view bytes);

}  // namespace report
