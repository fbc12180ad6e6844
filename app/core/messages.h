// The numbered messages of the message box and the four questions of the yes/no box.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace brisk {

// The messages, by the numbers the user's manual gives them.
enum class Msg : int {
    None = 0,
    NothingToPrint = 1, // "No data to print. Calculate."
    NothingToGraph = 2,
    WrongEntry = 3, // an input or a result out of range
    YearLimit50 = 4,
    YearLimit40 = 5,
    ExampleLimit = 6, // 22 listed examples
    CannotComplete = 7,
    NoDataToPrint = 8,
    DateAfterLastRecord = 10,
    BadFile = 13,
    NoRecords = 15,
    NoSuchRecord = 16,
    NoData = 17,
    NoRecordsToCorrect = 18,
    WrongValue = 19,
    NoCompleteRecord = 20,
    CannotSort = 23,
    BadDatabaseName = 25,
    CheckDataValues = 27,
    NoDatabase = 28,
    TwoWeeksForRatios = 29,
    WrongDate = 30,
    CannotGraph = 36,
    BadMortgageName = 37,
    BadLoanName = 38,
    OutOfRange = 43,
    LowAboveHigh = 47,
    PercentLimit = 52,
    DatabaseFull = 1001, // the value database's own: a database holds 1,000 records
};

// Its number, as the manual gives it (and test failures print it).
inline std::ostream& operator<<(std::ostream& out, Msg message) {
    return out << static_cast<int>(message);
}

// The values some messages join to their text.
struct MessageArgs {
    std::string_view detail = {};   // messages 10, 19, 27; upper bound of 43
    std::string_view lowText = {};  // lower bound of 43
    std::string_view fileName = {}; // the rejected file name of 25
    std::string_view today = {};    // today's date in the short date form, for 30
};

// The text of the message; one without a text gives an empty text.
std::string MessageText(Msg message, const MessageArgs& args = {});

enum class Question : int {
    ContinuePrintout = 1,
    PrintInColour = 2,
    SaveDatabaseFirst = 3,
    DeleteRecord = 4
};
std::string QuestionText(Question question, std::string_view dbFileName, std::string_view detail);

} // namespace brisk
