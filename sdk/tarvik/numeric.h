// Numeric helpers with defined results for every double a host may hand over.
#pragma once

#include <cmath>
#include <cstdint>

namespace tarvik {

// The "integer indefinite" a conversion yields when the double has no 32-bit value.
constexpr int32_t INT32_INDEFINITE = INT32_MIN;

// Truncates toward zero, as a readout does. NaN, infinities and values outside the 32-bit range give
// INT32_INDEFINITE, the same answer the x86 conversion instruction gives, but without undefined behaviour.
constexpr int32_t to_int32(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) return INT32_INDEFINITE;
    return static_cast<int32_t>(v);
}

// The same, for a parameter word sent with a key event.
constexpr uint32_t to_word(double v) { return static_cast<uint32_t>(to_int32(v)); }

constexpr double clamp(double v, double lo, double hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Decimal digit n (0 = lowest nibble) of a BCD value.
constexpr int32_t bcd_digit(uint32_t bcd, int n) { return static_cast<int32_t>((bcd >> (4 * n)) & 0xFu); }

}  // namespace tarvik
