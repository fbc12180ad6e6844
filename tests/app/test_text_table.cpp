// Result tables written for other programs: CSV that spreadsheets read, aligned text for people.
#include "app/core/text_table.h"

#include <gtest/gtest.h>

using namespace brisk;

TEST(TextTable, AlignedTextRightAlignsColumns) {
    const TextTable table{{"year", "value"}, {{"1", "100.00"}, {"10", "1,000.00"}}};
    EXPECT_EQ(alignedText(table), "year     value\n   1    100.00\n  10  1,000.00\n");
}

// The writer quotes only what needs it; what it quotes, the reader gives back field for field,
// line endings of both kinds.
TEST(CsvReader, ReadsBackWhatTheWriterWrote) {
    const TextTable table{
        {"year", "label", "empty"},
        {{"1", "plain", ""}, {"2", "a,b", ""}, {"3", "say \"hi\"", "x"}, {"4", "two\nlines", ""}}};
    EXPECT_EQ(
        csvText(table),
        "year,label,empty\r\n1,plain,\r\n2,\"a,b\",\r\n3,\"say \"\"hi\"\"\",x\r\n4,\"two\nlines\",\r\n");
    for (const char* end : {"\r\n", "\n"}) {
        const CsvRows read = parseCsv(csvText(table, end));
        EXPECT_EQ(read.separator, ',');
        ASSERT_EQ(read.rows.size(), 5u) << end;
        EXPECT_EQ(read.rows[0], table.header);
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            EXPECT_EQ(read.rows[r + 1], table.rows[r]) << r;
    }
}

TEST(CsvReader, SemicolonsByteOrderMarkAndBlankLines) {
    struct Case {
        const char* text;
        char separator;
        std::vector<std::vector<std::string>> rows;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF"
         "Date;Close\r\n2024-01-05;\"1,5\"\r\n\r\n",
         ';',
         {{"Date", "Close"}, {"2024-01-05", "1,5"}}},
        {"\"a;b\",c\n1,2", ',', {{"a;b", "c"}, {"1", "2"}}}, // a quoted semicolon does not count
        {"a;b,c;d\n", ';', {{"a", "b,c", "d"}}},             // more semicolons than commas
        {"a\n\n\nb\n", ',', {{"a"}, {"b"}}},                 // blank lines dropped
        {"x,\"unclosed\n", ',', {{"x", "unclosed\n"}}},      // a quote left open ends with the text
        {"", ',', {}},
    };
    for (const Case& c : cases) {
        const CsvRows read = parseCsv(c.text);
        EXPECT_EQ(read.separator, c.separator) << c.text;
        EXPECT_EQ(read.rows, c.rows) << c.text;
    }
}
