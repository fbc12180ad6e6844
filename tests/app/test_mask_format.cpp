// Numeric display masks and fixed-width alignment, against the runtime's documented results.
#include "app/core/figure_format.h"
#include "app/core/mask_format.h"
#include "app/core/text_align.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

using namespace brisk;

struct MaskCase {
    double value;
    const char* mask;
    const char* expected;
};

class MaskFormat : public testing::TestWithParam<MaskCase> {};

TEST_P(MaskFormat, Formats) {
    EXPECT_EQ(Format(GetParam().value, GetParam().mask), GetParam().expected)
        << GetParam().value << " with " << GetParam().mask;
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskFormat,
    testing::Values(
        MaskCase{1234567.5, "####,,###.00", "1,234,567.50"}, MaskCase{0, "####,,###.00", ".00"},
        MaskCase{0.5, "####,,###.00", ".50"}, MaskCase{999.995, "###,,###.00", "1,000.00"},
        MaskCase{-1234.5, "##,,###.00", "-1,234.50"}, MaskCase{1.005, "###.00", "1.01"},
        MaskCase{6.5, "###.00", "6.50"}, MaskCase{0.25, "###.00", ".25"}, MaskCase{0.5, "###.000", ".500"},
        MaskCase{0.5, "##0.000", "0.500"}, MaskCase{25, "###", "25"}, MaskCase{0, "###", ""},
        MaskCase{2.5, "###", "3"}, MaskCase{1200, "####", "1200"}, MaskCase{1200, "#,,###", "1,200"},
        MaskCase{1234567, "#,,###", "1,234,567"}, MaskCase{0, "####,,##0.00", "0.00"},
        MaskCase{0.0041666667, "0.########", "0.00416667"}, MaskCase{0.148698, "#,,###.000%", "14.870%"},
        MaskCase{0.065, "###.00%", "6.50%"}, MaskCase{12.5, "#,,###.00%", "1,250.00%"},
        MaskCase{0.123456, "#,,###.0000%", "12.3456%"}, MaskCase{365.25, "###.##", "365.25"},
        MaskCase{7, "0", "7"}, MaskCase{0, "0", "0"}, MaskCase{-0.001, "###.00", ".00"},
        MaskCase{123456789012.34, "####,,###.00", "123,456,789,012.34"}, MaskCase{1e-20, "###.00", ".00"},
        // A point before the first placeholder is the decimal point; a percentage that overflows
        // has no text, like any figure that is not finite.
        MaskCase{5.5, ".00", "5.50"}, MaskCase{0.25, ".0#", ".25"}, MaskCase{1e308, "#,,###.000%", ""},
        MaskCase{-1.5e308, "0.00%", ""}));

// Every figure is rounded through its 15 significant digits, as printf's "%.14e" gives them: shown
// in full, they must be printf's digits, for values of every size and for the cent amounts and
// sums of cents a schedule is made of.
TEST(MaskFormat, FifteenSignificantDigitsAsPrintfGivesThem) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-3, 12);
    std::uniform_int_distribution<long long> cents(0, 100000000000LL);
    // Ties and near-ties of the 15th digit, powers of ten and their neighbours, the limits of the range.
    const std::vector<double> hard = {0.1 + 0.2,
                                      1.005,
                                      2.675,
                                      1.0000000000000005,
                                      9.999999999999995,
                                      999999999999999.9,
                                      1e15 - 1,
                                      1e15,
                                      1e17,
                                      123456789012345.5,
                                      0.000123456789012345,
                                      9.9999999999999995e-5,
                                      1e18,
                                      4503599627370495.5,
                                      std::nextafter(1.0, 2.0),
                                      std::nextafter(10.0, 0.0),
                                      1.2345678901234549,
                                      1.2345678901234551,
                                      0.30000000000000004};
    for (std::size_t i = 0; i < 200000 + hard.size(); ++i) {
        const int e = exponent(random);
        double value = i < hard.size() ? hard[i]
                       : i % 2         ? mantissa(random) * std::pow(10.0, e)
                                       : cents(random) / 100.0 * 1.0001;
        if (value < 1 && i >= hard.size()) value += 1;
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.14e", value);
        const int exp10 = std::atoi(std::strchr(expected, 'e') + 1);
        const std::string mask = exp10 >= 14 ? "0" : "0." + std::string(14 - exp10, '0');
        std::string digits = Format(value, mask);
        digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1)); // below 1: "0.000…"
        digits.resize(std::min<std::size_t>(digits.size(), 15)); // above 1e15: the zeros that follow
        std::string printed(expected, std::strchr(expected, 'e'));
        printed.erase(std::remove(printed.begin(), printed.end(), '.'), printed.end());
        ASSERT_EQ(digits, printed) << expected;
    }
}

// Amounts to the cent round half up at the third decimal, whatever binary fraction they carry: the
// expected text comes from the whole number of cents.
TEST(MaskFormat, CentsRoundHalfUp) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> cents(0, 999999999999LL);
    auto text = [](long long c) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%lld.%02lld", c / 100, c % 100);
        return std::string(buffer);
    };
    for (int i = 0; i < 100000; ++i) {
        const long long c = cents(random);
        const double amount = c / 100.0;
        ASSERT_EQ(Format(amount, "0.00"), text(c)) << c;
        ASSERT_EQ(Format(amount + 0.0049, "0.00"), text(c)) << c;
        ASSERT_EQ(Format(amount + 0.005, "0.00"), text(c + 1)) << c;
        ASSERT_EQ(Format(-(amount + 0.0051), "0.00"), "-" + text(c + 1)) << c;
    }
}

// A figure exactly half a unit past the last place a mask shows rounds away from zero, whether
// the place below is odd or even (half to even would show .12, .062 and 2); just below the half it
// stays. Halves exact in binary where they can be, to no, two, three and four places; the figure
// below 1e-4 takes the exact path, the others the quick one.
TEST(MaskFormat, HalfPastTheLastPlaceRoundsAwayFromZero) {
    const struct {
        double value;
        const char* mask;
        const char* half;
        const char* below; // a billionth of the value nearer zero
    } cases[] = {
        {0.125, mask::Amount, ".13", ".12"},
        {-0.375, mask::Total, "-0.38", "-0.37"},
        {0.0625, mask::InterestRate, ".063", ".062"},
        {2.5, mask::Years, "3", "2"},
        {0.00005, mask::GrowthRate4, ".0001", ".0000"},
        {0.00125, mask::FractionPercent, ".13%", ".12%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.value, c.mask), c.half) << c.value << " with " << c.mask;
        const double below = c.value - std::copysign(std::fabs(c.value) * 1e-9, c.value);
        EXPECT_EQ(Format(below, c.mask), c.below) << below << " with " << c.mask;
    }
}

TEST(RightAlign, PadsAndCutsPlainText) {
    EXPECT_EQ(RightAlign("abc", 5), "  abc");
    EXPECT_EQ(RightAlign("abcdef", 4), "abcd");
    EXPECT_EQ(RightAlign("", 2), "  ");
    EXPECT_EQ(RightAlign("€5", 4), "  €5"); // width counts characters, not bytes
}

TEST(RightAlign, KeepsAWideFigureWhole) {
    EXPECT_EQ(RightAlign("2,500,000,000.00", 11, Overflow::KeepWhole), "2,500,000,000.00");
}

TEST(EntryFormat, BoxShapes) {
    EXPECT_EQ(amountText(1234.5, "$", "####,,###.00", 16), "       $1,234.50");
    EXPECT_EQ(percentText(6.5, "###.000", 14), "         6.500%");
    EXPECT_EQ(wholeText(25, "###", 5), "   25");
    EXPECT_EQ(amountText(2500000000, "$", "####,,###.00", 10), "$2,500,000,000.00");
}

// The widest figure of each mask in use, formatted back through the mask, is shown in full: every
// digit place filled, and one more unit would need a further digit.
TEST(EntryFormat, LargestMaskValueFillsEveryPlace) {
    const struct {
        const char* mask;
        const char* text;
        const char* next;
    } cases[] = {
        {"####,,###.00", "9,999,999.99", "10,000,000.00"},
        {"###.000", "999.999", "1000.000"},
        {"##0.000", "999.999", "1000.000"},
        {"###", "999", "1000"},
        {"#,,###", "9,999", "10,000"},
        {"0.00", "9.99", "10.00"},
        {"####", "9999", "10000"},
    };
    for (const auto& c : cases) {
        const double largest = largestMaskValue(c.mask);
        EXPECT_EQ(Format(largest, c.mask), c.text) << c.mask;
        const double step = std::strchr(c.mask, '.') ? 0.01 : 1;
        EXPECT_EQ(Format(largest + step, c.mask).size(), std::strlen(c.next)) << c.mask;
    }
}
