// The leading-number parse, the entry-box parse and the key filters of the entry boxes.
#include "app/core/key_filter.h"
#include "app/core/numeric_parse.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include <cmath>

using namespace brisk;

struct ParseCase {
    const char* text;
    double expected;
};

class LeadingNumber : public testing::TestWithParam<ParseCase> {};
TEST_P(LeadingNumber, Reads) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().expected) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         testing::Values(ParseCase{"", 0}, ParseCase{"  12.5", 12.5}, ParseCase{"1..5", 1},
                                         ParseCase{"$12", 0}, ParseCase{"1,234", 1},
                                         ParseCase{"-3.25x", -3.25}, ParseCase{"+7", 7}, ParseCase{".5", 0.5},
                                         ParseCase{"1e3", 1000}, ParseCase{"2D2", 200}, ParseCase{"5e", 5},
                                         ParseCase{"abc", 0}, ParseCase{"6.5%", 6.5}, ParseCase{"-", 0},
                                         ParseCase{".", 0}));

TEST(LeadingNumber, HugeExponentIsInfiniteSoRangeChecksRefuseIt) {
    EXPECT_TRUE(std::isinf(Val("1e999")));
    EXPECT_EQ(Val("1e-999"), 0);
}

class EntryParse : public testing::TestWithParam<ParseCase> {};
TEST_P(EntryParse, ReadsWhatTheUserSees) {
    EXPECT_DOUBLE_EQ(parseEntryText(GetParam().text, "$"), GetParam().expected) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(Texts, EntryParse,
                         testing::Values(ParseCase{"       $1,234.50", 1234.5},
                                         ParseCase{"$1,234.507", 1234.507}, ParseCase{"         6.500%", 6.5},
                                         ParseCase{"$-5.00", -5}, ParseCase{"-$5.00", -5},
                                         ParseCase{"1,200", 1200}, ParseCase{"12$", 12}, ParseCase{"", 0},
                                         ParseCase{"$", 0}));

TEST(EntryParse, StripsAMultiCharacterSymbol) {
    EXPECT_DOUBLE_EQ(parseEntryText("  kr 1,234.50", "kr "), 1234.5);
    EXPECT_DOUBLE_EQ(parseEntryText("€12.00", "€"), 12);
    EXPECT_DOUBLE_EQ(parseEntryText("Fr.12.00", "Fr."), 12);
}

// What a table saved as CSV holds for each cell: figures plain, anything else as it stands.
TEST(PlainFigure, FiguresAsSpreadsheetsReadThem) {
    const struct {
        const char* cell;
        const char* symbol;
        std::optional<std::string> plain;
    } cases[] = {
        {"  $1,234,567.50", "$", "1234567.50"},
        {"EUR 9,876.54", "EUR ", "9876.54"},
        {"12.00 kr", "kr", "12.00"},
        {".00", "$", "0.00"},
        {"20.000%", "$", "20.000"},
        {"-5", "$", "-5"},
        {"-$5.00", "$", "-5.00"},
        {"123", "$", "123"},
        {"1234", "$", "1234"},
        {"1,2", "$", std::nullopt},    // no grouping of one digit
        {"1,2345", "$", std::nullopt}, // nor of four
        {",123", "$", std::nullopt},
        {"1,,234", "$", std::nullopt},
        {"2026-11-27", "$", std::nullopt}, // a date stays a date
        {"Total:", "$", std::nullopt},
        {"", "$", std::nullopt},
        {"$", "$", std::nullopt},
        {"1.2.3", "$", std::nullopt},
        {"--5", "$", std::nullopt},
        {"-$-5", "$", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plainFigure(c.cell, c.symbol), c.plain) << c.cell;
}

// Feeds keys one by one as the box would: each accepted key is appended to the text.
std::string typeDecimal(const std::string& keys, int decimals, int* refused = nullptr) {
    EntryState state;
    std::string text;
    int beeps = 0;
    for (char k : keys) {
        state.EntryText = text;
        if (decimals > 2) state.EntryDecimals = decimals;
        if (FilterDecimalKey(k, state) != 0)
            text += k;
        else
            ++beeps;
    }
    if (refused) *refused = beeps;
    return text;
}

TEST(DecimalKeyFilter, StopsAfterTheAllowedDecimals) {
    int refused = 0;
    EXPECT_EQ(typeDecimal("12.345", 2, &refused), "12.34");
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(typeDecimal("6.5005", 3, &refused), "6.500");
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(typeDecimal("1..5", 2), "1..5"); // the second point passes
    EXPECT_EQ(typeDecimal("12a3-", 2, &refused), "123");
    EXPECT_EQ(refused, 2);
}

TEST(DecimalKeyFilter, ControlKeysAlwaysPassAndDecimalsAreResetByUse) {
    EntryState state;
    state.EntryText = "1.23";
    EXPECT_EQ(FilterDecimalKey(kKeyBackspace, state), kKeyBackspace);
    EXPECT_EQ(FilterDecimalKey(kKeyRubout, state), kKeyRubout);
    EXPECT_EQ(FilterDecimalKey('4', state), 0);
    state.EntryDecimals = 3;
    EXPECT_EQ(FilterDecimalKey('4', state), '4');
    EXPECT_EQ(state.EntryDecimals, 0);
}

TEST(IntegerKeyFilter, DigitsOnly) {
    EXPECT_EQ(FilterIntegerKey('7'), '7');
    EXPECT_EQ(FilterIntegerKey(kKeyBackspace), kKeyBackspace);
    EXPECT_EQ(FilterIntegerKey('.'), 0);
    EXPECT_EQ(FilterIntegerKey('-'), 0);
    EXPECT_EQ(FilterIntegerKey(kKeyEnter), 0);
}
