#include "files/Decimal.h"

namespace files {
namespace {

// White space as the "C" locale knows it; the file is plain ASCII, so no locale applies.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the digits start: after leading white space and an optional sign.
std::size_t DigitsStart(std::string_view text, bool& negative) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    return at;
}

}  // namespace

// Unsigned arithmetic wraps by definition, so the wrap-around needs no overflow check.
std::int32_t DecimalValue(std::string_view text) {
    bool negative = false;
    std::size_t at = DigitsStart(text, negative);
    std::uint32_t value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        value = value * 10u + static_cast<std::uint32_t>(text[at] - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

bool HasDecimalDigits(std::string_view text) {
    bool negative = false;
    const std::size_t at = DigitsStart(text, negative);
    return at < text.size() && IsDigit(text[at]);
}

}  // namespace files
