#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tarvik/win32.h"

namespace {

std::string fmt(const char* f, ...) {
    char buf[1100];
    va_list args;
    va_start(args, f);
    wvsprintfA(buf, f, args);
    va_end(args);
    return buf;
}

TEST(Wsprintf, FollowsTheWindowsRules) {
    EXPECT_EQ(fmt("%d", -42), "-42");
    EXPECT_EQ(fmt("%3d", 50), " 50");
    EXPECT_EQ(fmt("%04d", 12), "0012");
    EXPECT_EQ(fmt("%-4d|", 7), "7   |");
    EXPECT_EQ(fmt("%1d", 9), "9");
    EXPECT_EQ(fmt("%u", 4000000000u), "4000000000");
    EXPECT_EQ(fmt("%x %X %#x", 255, 255, 255), "ff FF 0xff");
    EXPECT_EQ(fmt("%.3d", 5), "005");
    EXPECT_EQ(fmt("%c%c", 'O', 'K'), "OK");
    EXPECT_EQ(fmt("%5s|%-5s|", "ab", "cd"), "   ab|cd   |");
    EXPECT_EQ(fmt("%.2s", "abcdef"), "ab");
    EXPECT_EQ(fmt("%ld %li", 3, 4), "3 4");
    EXPECT_EQ(fmt("100%%"), "100%");
    EXPECT_EQ(fmt("%d", INT32_MIN), "-2147483648");
}

TEST(Wsprintf, HasNoFloatingPointNorPlusFlag) {
    // Conversions the Windows formatter lacks are copied out as written, consuming no argument.
    EXPECT_EQ(fmt("%.2f|%d", 7), "%.2f|7");
    EXPECT_EQ(fmt("%+05d|%d", 3), "%+05d|3");
}

TEST(Wsprintf, NullTextPrintsNothing) { EXPECT_EQ(fmt("[%s]", static_cast<const char*>(nullptr)), "[]"); }

TEST(Wsprintf, BoundedFormattingCutsAndTerminates) {
    char buf[5];
    std::memset(buf, 'X', sizeof buf);
    va_list none{};
    (void)none;
    auto bounded = [&](size_t cap, const char* f, ...) {
        va_list args;
        va_start(args, f);
        int n = tarvik_wvsnprintf(buf, cap, f, args);
        va_end(args);
        return n;
    };
    EXPECT_EQ(bounded(sizeof buf, "%3d ", 123), 4);
    EXPECT_STREQ(buf, "123 ");
    EXPECT_EQ(bounded(sizeof buf, "%s", "a long identifier"), 4);
    EXPECT_STREQ(buf, "a lo");
    EXPECT_EQ(bounded(1, "%d", 5), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(bounded(0, "%d", 5), 0);  // nothing written at all
}

TEST(Wsprintf, OutputStopsAtTheWindowsLimit) {
    std::string big(2000, 'a');
    std::string out = fmt("%s", big.c_str());
    EXPECT_EQ(out.size(), 1023u);
}

}  // namespace
