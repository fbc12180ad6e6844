// The numbered messages and questions that join values to their text.
#include "app/core/messages.h"

#include <gtest/gtest.h>

using namespace brisk;

TEST(Messages, JoinTheirValues) {
    EXPECT_EQ(MessageText(43, {.detail = "30", .lowText = "1"}), "Must be between 1 and 30");
    EXPECT_EQ(MessageText(25, {.graphTitle = "DATA.TXT"}),
              "DATA.TXT Bad Filename. Must be in the form MYFILE.ZRK");
    EXPECT_EQ(MessageText(30, {.today = "12/6/2026"}), "Wrong date entry. Correct date format is 12/6/2026");
    EXPECT_EQ(MessageText(3), "Wrong or missing entry, try again.");
    EXPECT_EQ(MessageText(11), "");
    EXPECT_EQ(MessageText(0), "");
}

TEST(Questions, JoinTheirValues) {
    EXPECT_EQ(QuestionText(1, "", ""), " Continue with Printout.");
    EXPECT_EQ(QuestionText(3, "Sample.Zrk", ""),
              "Sample.Zrk file in memory will be erased. Do you wish to go back and save it to Disk?.");
    EXPECT_EQ(QuestionText(4, "", "12"), "Are you sure you wish to delete the current record: 12");
    EXPECT_EQ(QuestionText(5, "", ""), "");
}
