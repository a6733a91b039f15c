#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tarvik/numeric.h"

namespace {

struct Conversion {
    double in;
    int32_t out;
};

TEST(ToInt32, TruncatesTowardZeroAndGivesIndefiniteOutsideTheRange) {
    const double inf = std::numeric_limits<double>::infinity();
    const Conversion cases[] = {
        {0.0, 0},
        {1.9, 1},
        {-1.9, -1},
        {2147483647.0, 2147483647},
        {2147483647.9, 2147483647},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},  // truncates to -2^31, still in range
        {2147483648.0, tarvik::INT32_INDEFINITE},
        {-2147483649.0, tarvik::INT32_INDEFINITE},
        {1e300, tarvik::INT32_INDEFINITE},
        {inf, tarvik::INT32_INDEFINITE},
        {-inf, tarvik::INT32_INDEFINITE},
        {std::nan(""), tarvik::INT32_INDEFINITE},
    };
    for (const auto& c : cases) EXPECT_EQ(tarvik::to_int32(c.in), c.out) << "input " << c.in;
}

TEST(BcdDigit, ReadsEachNibble) {
    EXPECT_EQ(tarvik::bcd_digit(0x2345, 0), 5);
    EXPECT_EQ(tarvik::bcd_digit(0x2345, 1), 4);
    EXPECT_EQ(tarvik::bcd_digit(0x2345, 3), 2);
    EXPECT_EQ(tarvik::bcd_digit(0xF0000000u, 7), 15);
}

}  // namespace
