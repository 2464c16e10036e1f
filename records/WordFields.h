#pragma once
// Bits and bit fields of a 16-bit record word, bit 15 the most significant.

#include <cstdint>

namespace records {

// A field of a word: `Mask` (right-aligned) shifted left by `Shift`.
struct TWordField {
    int Shift;
    std::uint16_t Mask;
};

constexpr std::uint16_t FieldOf(std::uint16_t word, TWordField field) {
    return static_cast<std::uint16_t>((word >> field.Shift) & field.Mask);
}
// Values wider than the field lose their upper bits.
constexpr std::uint16_t Placed(unsigned value, TWordField field) {
    return static_cast<std::uint16_t>((value & field.Mask) << field.Shift);
}

constexpr bool BitOf(std::uint16_t word, int bit) { return ((word >> bit) & 1u) != 0; }
constexpr std::uint16_t BitValue(bool set, int bit) { return static_cast<std::uint16_t>(set ? 1u << bit : 0u); }

// Spin positions are signed; records keep their two's complement bits.
constexpr std::uint16_t SpinWord(std::int16_t position) { return static_cast<std::uint16_t>(position); }
constexpr std::int16_t SpinPosition(std::uint16_t word) { return static_cast<std::int16_t>(word); }

}  // namespace records
