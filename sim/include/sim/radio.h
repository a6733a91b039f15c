// Digit arithmetic of the radio variables: BCD frequencies, the transponder code and the ADF digits.
//
// NAV and COM frequencies are four BCD digits of (MHz - 100) in the low 16 bits (0x1090 = 110.90 MHz);
// the ADF frequency three BCD digits of kHz in the low 12 bits; the transponder code four BCD digits,
// each 0 to 7. Every step works on the digits, never on the binary value, so 0x1795 + 0.05 MHz is
// 0x1700 and never 0x179A.
#pragma once

#include <cstdint>

namespace sim {

// The bands the receivers tune, in hundredths of a megahertz.
constexpr int NAV_LOW = 10800, NAV_HIGH = 11795;
constexpr int COM_LOW = 11800, COM_HIGH = 13697;

// True when each of the `digits` lowest nibbles is 0 to 9 and nothing lies above them.
bool bcd_valid(uint32_t bcd, int digits);
// The decimal number the BCD digits spell (0x1295 -> 1295). Only the low `digits` nibbles count.
int bcd_to_int(uint32_t bcd, int digits = 4);
// The BCD digits of 0 <= n < 10^digits.
uint32_t int_to_bcd(int n, int digits = 4);

// A frequency variable in hundredths of a megahertz (0x1090 -> 11090), and back. from_hundredths
// wants a value from 10000 to 19999.
int frequency_hundredths(uint32_t bcd);
uint32_t frequency_bcd(int hundredths);

// True when a frequency variable names a channel of the band: valid BCD inside [low, high].
bool in_band(uint32_t bcd, int low, int high);

// One whole megahertz up (dir > 0) or down, wrapping inside [low, high] and keeping the hundredths.
uint32_t step_mhz(uint32_t bcd, int dir, int low, int high);
// One 50 kHz channel up or down inside the same megahertz: .95 up gives .00, .00 down gives .95. A
// value off the 50 kHz grid first moves to the channel on its side (.12 up gives .15, down .10).
uint32_t step_channel(uint32_t bcd, int dir);

// Transponder digit `place` (0 units .. 3 thousands) one up or down, 0 to 7 round, no carry.
uint32_t transponder_step(uint32_t code, int place, int dir);
// ADF digit `place` (0 units, 1 tens, 2 hundreds) one up or down, no carry: units and tens run 0 to 9,
// the hundreds 1 to 9 (the band starts at 100 kHz).
uint32_t adf_step(uint32_t bcd, int place, int dir);

}  // namespace sim
