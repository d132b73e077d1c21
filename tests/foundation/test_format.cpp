/*
** Tests of the bounded formatting: the texts of fixed-point numbers worked by hand from their
** binary values (ties to even), the fields of integers and texts, the truncation to the buffer,
** and the same bytes as the C library's vsnprintf over many values and formats.
*/
#include <gtest/gtest.h>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "foundation/format.h"
#include "foundation/numeric.h"

namespace {

std::string F(const char *format, double v)
{
    char b[256];
    Format_N(b, sizeof b, format, v);
    return b;
}

TEST(Format, FixedPointFromTheBinaryValue)
{
    /* 0.125 and 0.375 are exact in binary: true ties, rounded to the even last digit */
    EXPECT_EQ(F("%.2f", 0.125), "0.12");
    EXPECT_EQ(F("%.2f", 0.375), "0.38");
    EXPECT_EQ(F("%.0f", 2.5), "2");
    EXPECT_EQ(F("%.0f", 3.5), "4");
    EXPECT_EQ(F("%.0f", -0.5), "-0");
    /* 2.675 is stored as 2.67499999999999982236431605997495353221893310546875 */
    EXPECT_EQ(F("%.2lf", 2.675), "2.67");
    /* 1.005 is stored as 1.00499999999999989341858963598497211933135986328125 */
    EXPECT_EQ(F("%.2f", 1.005), "1.00");
    /* 0.045 is stored as 0.04499999999999999833466546306226518936455249786376953125 */
    EXPECT_EQ(F("%.2f", 0.045), "0.04");
    EXPECT_EQ(F("%f", 1.0 / 3.0), "0.333333");
    EXPECT_EQ(F("%.3f", -0.0), "-0.000");
    EXPECT_EQ(F("%.3f", -0.0001), "-0.000");
    EXPECT_EQ(F("%lf", 123456.0), "123456.000000");
    /* 2^62 + 2^10 has its exact digits */
    EXPECT_EQ(F("%.1f", 4611686018427388928.0), "4611686018427388928.0");
    EXPECT_EQ(F("%.17f", 5e-324), "0.00000000000000000");
}

TEST(Format, FieldsSignsAndPadding)
{
    EXPECT_EQ(F("%8.2f|", 3.14159), "    3.14|");
    EXPECT_EQ(F("%-8.2f|", 3.14159), "3.14    |");
    EXPECT_EQ(F("%08.2f", -3.14159), "-0003.14");
    EXPECT_EQ(F("%+.1f", 2.25), "+2.2");
    EXPECT_EQ(F("% .1f", 2.35), " 2.4"); /* 2.35 is stored a little above 2.35 */
    char b[128];
    Format_N(b, sizeof b, "%d|%5d|%-5d|%05d|%+d|% d|%.3d|%x|%X|%o|%u", -42, 42, 42, -42, 42, 42, 7,
             255, 255, 8, 3000000000u);
    EXPECT_STREQ(b, "-42|   42|42   |-0042|+42| 42|007|ff|FF|10|3000000000");
    Format_N(b, sizeof b, "%s|%6s|%-6s|%.2s|%*s|%-*s|%.*s|%c%3c|%%", "abc", "abc", "abc", "abc", 4,
             "x", 4, "y", 2, "xyz", 'A', 'B');
    EXPECT_STREQ(b, "abc|   abc|abc   |ab|   x|y   |xy|A  B|%");
    Format_N(b, sizeof b, "%ld %lld %hd %hhd %zu", -5000000000L, 9000000000000LL, (short)-7,
             (signed char)-8, (size_t)12);
    EXPECT_STREQ(b, "-5000000000 9000000000000 -7 -8 12");
    /* what is not formatted here comes from the C library */
    Format_N(b, sizeof b, "%g %.3e %Lf", 0.0001, 1234.5, (long double)0.5);
    EXPECT_STREQ(b, "0.0001 1.234e+03 0.500000");
}

TEST(Format, TruncatesLikeTheLibrary)
{
    char b[8];
    EXPECT_EQ(Format_N(b, sizeof b, "%s %d", "abcdef", 12345), 12);
    EXPECT_STREQ(b, "abcdef ");
    EXPECT_EQ(Format_N(nullptr, 0, "%.2f", 1.5), 4);
    char one[1] = {'x'};
    EXPECT_EQ(Format_N(one, sizeof one, "%d", 7), 1);
    EXPECT_EQ(one[0], 0);
}

/* The same bytes and length as vsnprintf for values of every kind: random bit patterns, values
** on a decimal grid, sums that lie near ties, small and negative numbers, infinity and NaN. */
TEST(Format, SameBytesAsTheCLibrary)
{
    static const char *const formats[] = {"%f",    "%.0f",    "%.1f",   "%.2lf",  "%.3lf", "%.4f",
                                          "%8.2f", "%-8.2f|", "%08.2f", "%+.2f",  "% .3f", "%.17f",
                                          "%.9f",  "%5.0lf",  "%.15f",  "%.2f kN"};
    std::mt19937_64 rng(20261207);
    int differ = 0;
    for (int i = 0; i < 200000; i++) {
        const uint64_t r = rng();
        double v = 0.0;
        switch (i % 6) {
        case 0: std::memcpy(&v, &r, sizeof v); break;
        case 1: v = (double)(int64_t)(r % 2000001 - 1000000) / 1000.0; break;
        case 2: v = (double)(int64_t)(r % 20001 - 10000) / 8.0 + 0.005; break;
        case 3: v = std::ldexp((double)(r >> 11), -(int)(rng() % 80)); break;
        case 4: v = (double)(int64_t)(r % 200001 - 100000) * 0.005; break;
        default:
            v = (i % 50 == 5)    ? HUGE_VAL * ((r & 1) ? 1 : -1)
                : (i % 50 == 11) ? NAN
                                 : -1e-7 * (double)(r % 1000);
            break;
        }
        const char *format = formats[(size_t)i % (sizeof formats / sizeof formats[0])];
        char ours[600], theirs[600];
        const int n = Format_N(ours, sizeof ours, format, v);
        const int m = snprintf(theirs, sizeof theirs, format, v);
        if (n != m || std::strcmp(ours, theirs) != 0) {
            if (differ++ < 5)
                ADD_FAILURE() << format << " of " << v << ": " << ours << " / " << theirs;
        }
    }
    EXPECT_EQ(differ, 0);
}

/* "%.6g" of lengths written again and again: the kept texts are those of their own values, also
** when two values share a slot of the cache, and the sign of zero is kept apart. */
TEST(Format, ShortNumbersAsTheLibraryWritesThem)
{
    std::mt19937_64 rng(7);
    std::vector<double> values = {0.0,  -0.0,        0.254,    -0.4,     0.76, 3.0,
                                  1e-7, 123456789.0, -1.5e300, HUGE_VAL, NAN};
    for (int i = 0; i < 2000; i++)
        values.push_back((double)(int64_t)(rng() % 20001 - 10000) / 100.0);
    for (int round = 0; round < 3; round++) {
        for (double v : values) {
            char ours[FORMAT_G6_SIZE], theirs[64];
            const int n = Format_G6(ours, v);
            const int m = snprintf(theirs, sizeof theirs, "%.6g", v);
            ASSERT_EQ(n, m) << theirs;
            ASSERT_STREQ(ours, theirs);
        }
    }
    char t[24];
    const std::pair<long long, const char *> ints[] = {{0, "0"},
                                                       {7, "7"},
                                                       {-1, "-1"},
                                                       {10, "10"},
                                                       {-3000000000LL, "-3000000000"},
                                                       {INT64_MAX, "9223372036854775807"},
                                                       {INT64_MIN, "-9223372036854775808"}};
    for (const auto &[v, text] : ints) EXPECT_EQ(std::string(t, (size_t)Format_Int(t, v)), text);
}

TEST(Format, ToAFileWritesTheSameBytes)
{
    char *text = nullptr;
    size_t size = 0;
    FILE *f = open_memstream(&text, &size);
    ASSERT_NE(f, nullptr);
    auto put = [&](const char *format, ...) {
        va_list ap;
        va_start(ap, format);
        const int n = Format_To_File(f, format, ap);
        va_end(ap);
        return n;
    };
    EXPECT_EQ(put("%s = %.2lf kN\n", "N", 12.345), 13); /* 12.34500000000000063... */
    std::string wide(3000, 'w');
    EXPECT_EQ(put("%s|", wide.c_str()), 3001); /* longer than the buffer: straight to the stream */
    fclose(f);
    EXPECT_EQ(std::string(text, size), "N = 12.35 kN\n" + wide + "|");
    free(text);
}

/* The rounding's floor without the library call: both sides of the truncation and beyond it. */
TEST(Format, RoundingFloorOfLargeAndNegativeValues)
{
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-2.51, 0), -3.0); /* -2.01 truncates to -2, floor -3 */
    EXPECT_DOUBLE_EQ(Round_To_Decimals(12345678.25, 13), 12345678.25); /* 1.2e20: the library */
    EXPECT_DOUBLE_EQ(Round_To_Decimals(-98765432.5, 12), -98765432.5);
}

} // namespace
