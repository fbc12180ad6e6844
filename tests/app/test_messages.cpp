// The numbered messages and questions that join values to their text.
#include "app/core/messages.h"

#include <gtest/gtest.h>

using namespace brisk;

TEST(Messages, JoinTheirValues) {
    EXPECT_EQ(MessageText(Msg::OutOfRange, {.detail = "30", .lowText = "1"}), "Must be between 1 and 30");
    EXPECT_EQ(MessageText(Msg::BadDatabaseName, {.fileName = "DATA.TXT"}),
              "DATA.TXT Bad Filename. Must be in the form MYFILE.ZRK");
    EXPECT_EQ(MessageText(Msg::WrongDate, {.today = "12/6/2026"}),
              "Wrong date entry. Correct date format is 12/6/2026");
    EXPECT_EQ(MessageText(Msg::WrongEntry), "Wrong or missing entry, try again.");
    EXPECT_EQ(MessageText(Msg(11)), "");
    EXPECT_EQ(MessageText(Msg::None), "");
}

TEST(Questions, JoinTheirValues) {
    EXPECT_EQ(QuestionText(Question::ContinuePrintout, "", ""), " Continue with Printout.");
    EXPECT_EQ(QuestionText(Question::SaveDatabaseFirst, "Sample.Zrk", ""),
              "Sample.Zrk file in memory will be erased. Do you wish to go back and save it to Disk?.");
    EXPECT_EQ(QuestionText(Question::DeleteRecord, "", "12"),
              "Are you sure you wish to delete the current record: 12");
    EXPECT_EQ(QuestionText(Question(5), "", ""), "");
}
