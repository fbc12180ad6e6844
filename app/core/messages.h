// The numbered messages of the message box and the four questions of the yes/no box.
#pragma once

#include <string>
#include <string_view>

namespace brisk {

// The values some messages join to their text.
struct MessageArgs {
    std::string_view detail = {};     // messages 10, 19, 27; upper bound of 43
    std::string_view lowText = {};    // lower bound of 43
    std::string_view graphTitle = {}; // the rejected file name of 25
    std::string_view today = {};      // today's date in the short date form, for 30
};

// The text of message `number`; a number without a text gives an empty text.
std::string MessageText(int number, const MessageArgs& args = {});

// The question of `askNumber` (1 to 4); others give an empty text.
std::string QuestionText(int askNumber, std::string_view dbFileName, std::string_view detail);

// The answer codes of the yes/no box.
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 0;

} // namespace brisk
