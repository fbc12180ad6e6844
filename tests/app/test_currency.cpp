// Money conversions and arithmetic: half-to-even rounding and range failures.
#include "app/core/calc_failure.h"
#include "app/core/currency.h"
#include "app/core/whole_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace brisk;

struct RoundCase {
    double value;
    std::int64_t raw;
};

class CurrencyRounding : public testing::TestWithParam<RoundCase> {};

TEST_P(CurrencyRounding, RoundsHalfToEvenAtFourDecimals) {
    const auto c = Currency::fromDouble(GetParam().value);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->raw(), GetParam().raw);
}

// Ties are taken on the scaled double, as the runtime does: 0.03125 and 0.09375 are exact in binary.
INSTANTIATE_TEST_SUITE_P(Values, CurrencyRounding,
                         testing::Values(RoundCase{1234.5, 12345000}, RoundCase{0.00005, 0},
                                         RoundCase{0.03125, 312}, RoundCase{0.09375, 938},
                                         RoundCase{-0.03125, -312}, RoundCase{1.23456, 12346},
                                         RoundCase{0, 0}, RoundCase{-7.5, -75000}));

TEST(Currency, OutOfRangeIsRefusedNotWrapped) {
    EXPECT_FALSE(Currency::fromDouble(1e15).has_value());
    EXPECT_FALSE(Currency::fromDouble(-1e15).has_value());
    EXPECT_FALSE(Currency::fromDouble(std::nan("")).has_value());
    EXPECT_FALSE(Currency::fromDouble(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_TRUE(Currency::fromDouble(922337203685477.0).has_value());
    try {
        Currency::fromDoubleOrFail(1e300);
        FAIL() << "no failure";
    } catch (const CalcFailure& failure) {
        EXPECT_EQ(failure.message(), Msg::WrongEntry);
    }
}

TEST(Currency, ProductRoundsHalfToEven) {
    // 0.0001 * 0.5 = 0.00005 -> 0; 0.0003 * 0.5 = 0.00015 -> 0.0002.
    EXPECT_EQ((Currency::fromRaw(1) * Currency::fromRaw(5000)).raw(), 0);
    EXPECT_EQ((Currency::fromRaw(3) * Currency::fromRaw(5000)).raw(), 2);
    EXPECT_EQ((Currency::fromWhole(1000) * *Currency::fromDouble(0.0725)).raw(), 725000);
    EXPECT_THROW(Currency::fromWhole(10'000'000'000) * Currency::fromWhole(10'000'000'000), CalcFailure);
    EXPECT_THROW(Currency::fromRaw(std::numeric_limits<std::int64_t>::max()) + Currency::fromRaw(1),
                 CalcFailure);
}

// The range on both sides: the largest and the lowest values themselves, and one step beyond.
TEST(Currency, TheLimitsThemselves) {
    constexpr auto most = std::numeric_limits<std::int64_t>::max();
    constexpr auto least = std::numeric_limits<std::int64_t>::min();
    // A product exactly equal to the largest value: 922337203685477.5807 x 1.
    EXPECT_EQ((Currency::fromRaw(most) * Currency::fromWhole(1)).raw(), most);
    EXPECT_EQ((Currency::fromRaw(least) * Currency::fromWhole(1)).raw(), least);
    EXPECT_THROW(Currency::fromRaw(most) * Currency::fromRaw(10001), CalcFailure);
    EXPECT_EQ((Currency::fromRaw(least + 1) - Currency::fromRaw(1)).raw(), least);
    EXPECT_THROW(Currency::fromRaw(least) - Currency::fromRaw(1), CalcFailure);
    EXPECT_THROW(-Currency::fromRaw(least + 1) + Currency::fromRaw(most) + Currency::fromRaw(2), CalcFailure);
}

TEST(Currency, PlainStringDropsTrailingZeros) {
    EXPECT_EQ(Currency::fromDouble(1234.5)->toPlainString(), "1234.5");
    EXPECT_EQ(Currency::fromRaw(-1).toPlainString(), "-0.0001");
    EXPECT_EQ(Currency().toPlainString(), "0");
    EXPECT_EQ(Currency::fromRaw(std::numeric_limits<std::int64_t>::min()).toPlainString(),
              "-922337203685477.5808");
}

TEST(WholeNumber, RoundsHalfToEvenAndChecksRange) {
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(toInt32(2147483648.0).has_value());
    EXPECT_FALSE(toInt32(std::nan("")).has_value());
    EXPECT_THROW(toInt16OrFail(1e6), CalcFailure);
}
