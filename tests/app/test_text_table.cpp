// Result tables written for other programs: CSV that spreadsheets read, aligned text for people.
#include "app/core/text_table.h"

#include <gtest/gtest.h>

using namespace brisk;

TEST(TextTable, CsvQuotesOnlyWhatNeedsIt) {
    const TextTable table{{"year", "label"},
                          {{"1", "plain"}, {"2", "a,b"}, {"3", "say \"hi\""}, {"4", "two\nlines"}}};
    EXPECT_EQ(csvText(table),
              "year,label\r\n1,plain\r\n2,\"a,b\"\r\n3,\"say \"\"hi\"\"\"\r\n4,\"two\nlines\"\r\n");
}

TEST(TextTable, AlignedTextRightAlignsColumns) {
    const TextTable table{{"year", "value"}, {{"1", "100.00"}, {"10", "1,000.00"}}};
    EXPECT_EQ(alignedText(table), "year     value\n   1    100.00\n  10  1,000.00\n");
}
