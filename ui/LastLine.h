#pragma once
// The last line of a file, read from its end, so that what a writer appends can follow
// from the line before it without the file being read whole.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "ui/LocalFiles.h"

namespace ui {

// Reads `count` bytes of the file from `offset` into `bytes`; false when it cannot.
using TReadAt = std::function<bool(std::uint64_t offset, std::size_t count, std::string& bytes)>;

// The last line of a file of `size` bytes that holds more than blanks, without its line
// feed. Bytes after the last line feed count as that line only when `whole` takes them;
// else they are passed over, as what a writer cut off. Empty when no such line lies
// within the last `lookBack` bytes, or the file cannot be read there.
std::string LastFilledLine(std::uint64_t size, std::size_t lookBack, const TWrittenWhole& whole, const TReadAt& readAt);

}  // namespace ui
