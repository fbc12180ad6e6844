// Comma-separated records: what the writer produces, what the reader accepts and what it refuses.
#include "app/core/record_file.h"

#include <gtest/gtest.h>

using namespace brisk;
using namespace std::chrono;

TEST(RecordWriter, WritesTheSequentialFormat) {
    const std::string bytes = RecordWriter()
                                  .text("$")
                                  .integer(2)
                                  .text("Ann \"Q\" Lee")
                                  .endRecord()
                                  .number(1234.5)
                                  .currency(*Currency::fromDouble(0.0725))
                                  .date(Date{year(2002), month(3), day(1)})
                                  .empty()
                                  .number(-0.1)
                                  .endRecord()
                                  .bytes();
    EXPECT_EQ(bytes, "\"$\",2,\"Ann Q Lee\"\r\n1234.5,0.0725,#2002-03-01#,,-0.1\r\n");
}

TEST(RecordReader, RoundTripsWhatTheWriterWrote) {
    const Date date{year(1500), month(2), day(19)};
    const std::string bytes = RecordWriter()
                                  .text("Zoë, \xE2\x82\xAC")
                                  .number(0.1 + 0.2)
                                  .currency(Currency::fromRaw(-12345678))
                                  .date(date)
                                  .integer(-32768)
                                  .endRecord()
                                  .bytes();
    RecordReader reader(bytes);
    EXPECT_EQ(reader.readString(), "Zoë, \xE2\x82\xAC");
    EXPECT_EQ(reader.readNumber(), 0.1 + 0.2);
    EXPECT_EQ(reader.readCurrency(), Currency::fromRaw(-12345678));
    EXPECT_EQ(reader.readDate(), date);
    EXPECT_EQ(reader.readInt16(), -32768);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.next().has_value());
}

TEST(RecordReader, AcceptsTheFormsOtherWritersUse) {
    RecordReader reader("  \"a\" , .5,,1E+3\n#TRUE#,\"12\",#2001-12-31 10:00:00#,  x y  \r\n\r\n");
    EXPECT_EQ(reader.readString(), "a");
    EXPECT_EQ(reader.readNumber(), 0.5);
    EXPECT_EQ(reader.readNumber(), 0.0); // empty field
    EXPECT_EQ(reader.readNumber(), 1000.0);
    EXPECT_EQ(reader.readNumber(), -1.0); // #TRUE#
    EXPECT_EQ(reader.readInt16(), 12);
    EXPECT_EQ(reader.readDate(), (Date{year(2001), month(12), day(31)}));
    EXPECT_EQ(reader.readString(), "x y");
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordReader, RefusesWhatDoesNotFit) {
    struct Case {
        const char* bytes;
        const char* why;
    };
    for (const Case& c : {Case{"\"open", "unterminated string"}, Case{"#2001-02-30#", "no such day"},
                          Case{"#2001-02", "unterminated date"}, Case{"abc", "text for a number"},
                          Case{"12abc", "trailing letters"}, Case{"1e999", "infinite"}, Case{"", "no field"},
                          Case{"\"x\"", "quoted text for a number"}}) {
        RecordReader reader(c.bytes);
        EXPECT_FALSE(reader.readNumber().has_value()) << c.why;
    }
    RecordReader big("40000");
    EXPECT_FALSE(big.readInt16().has_value());
}

// Other writers put a sign before positive numbers.
TEST(RecordReader, ALeadingPlusIsANumber) {
    RecordReader reader("+12.5,+3,-0.25\r\n");
    EXPECT_EQ(reader.readNumber(), 12.5);
    EXPECT_EQ(reader.readInt16(), 3);
    EXPECT_EQ(reader.readCurrency(), Currency::fromRaw(-2500));
}

// Text that is not UTF-8 is Windows-1252, each field on its own: one stray byte in one field
// leaves the UTF-8 of the others as it is.
TEST(RecordReader, ReadsWindows1252TextFieldByField) {
    RecordReader reader("\"Zo\xC3\xAB's fund\",\"\x80 Caf\xE9\"\r\n");
    EXPECT_EQ(reader.readString(), "Zo\xC3\xAB's fund");
    EXPECT_EQ(reader.readString(), "\xE2\x82\xAC Caf\xC3\xA9");
}

TEST(Utf8, Validation) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xE2\x82\xAC"));
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(isValidUtf8("Caf\xE9"));
}
