// Numeric display masks and fixed-width alignment, against the runtime's documented results.
#include "app/core/entry_format.h"
#include "app/core/mask_format.h"
#include "app/core/text_align.h"

#include <gtest/gtest.h>

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
        MaskCase{123456789012.34, "####,,###.00", "123,456,789,012.34"}, MaskCase{1e-20, "###.00", ".00"}));

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
