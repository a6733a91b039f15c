#include "sim/radio.h"

namespace sim {

namespace {

int wrap(int v, int lo, int hi) {
    const int n = hi - lo + 1;
    return lo + (((v - lo) % n) + n) % n;
}

uint32_t with_digit(uint32_t bcd, int place, int digit) {
    const uint32_t shift = 4u * static_cast<uint32_t>(place);
    return (bcd & ~(0xFu << shift)) | (static_cast<uint32_t>(digit) << shift);
}

int digit_of(uint32_t bcd, int place) { return static_cast<int>((bcd >> (4 * place)) & 0xFu); }

}  // namespace

bool bcd_valid(uint32_t bcd, int digits) {
    for (int i = 0; i < 8; ++i) {
        const int d = digit_of(bcd, i);
        if (i < digits ? d > 9 : d != 0) return false;
    }
    return true;
}

int bcd_to_int(uint32_t bcd, int digits) {
    int n = 0;
    for (int i = digits - 1; i >= 0; --i) n = n * 10 + digit_of(bcd, i);
    return n;
}

uint32_t int_to_bcd(int n, int digits) {
    uint32_t bcd = 0;
    for (int i = 0; i < digits; ++i, n /= 10) bcd |= static_cast<uint32_t>(n % 10) << (4 * i);
    return bcd;
}

int frequency_hundredths(uint32_t bcd) { return 10000 + bcd_to_int(bcd, 4); }
uint32_t frequency_bcd(int hundredths) { return int_to_bcd(hundredths - 10000, 4); }

bool in_band(uint32_t bcd, int low, int high) {
    if (!bcd_valid(bcd, 4)) return false;
    const int f = frequency_hundredths(bcd);
    return f >= low && f <= high;
}

uint32_t step_mhz(uint32_t bcd, int dir, int low, int high) {
    const int f = frequency_hundredths(bcd);
    const int mhz = wrap(f / 100 + (dir > 0 ? 1 : -1), low / 100, high / 100);
    return frequency_bcd(mhz * 100 + f % 100);
}

uint32_t step_channel(uint32_t bcd, int dir) {
    const int f = frequency_hundredths(bcd);
    const int frac = f % 100;
    int next;
    if (dir > 0)
        next = frac / 5 * 5 + 5;
    else
        next = frac % 5 ? frac / 5 * 5 : frac - 5;
    return frequency_bcd(f - frac + wrap(next, 0, 99) / 5 * 5);
}

uint32_t transponder_step(uint32_t code, int place, int dir) {
    return with_digit(code, place, wrap(digit_of(code, place) + (dir > 0 ? 1 : -1), 0, 7));
}

uint32_t adf_step(uint32_t bcd, int place, int dir) {
    const int lo = place == 2 ? 1 : 0;
    return with_digit(bcd, place, wrap(digit_of(bcd, place) + (dir > 0 ? 1 : -1), lo, 9));
}

}  // namespace sim
