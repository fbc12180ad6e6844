#include "app/core/messages.h"

namespace brisk {

std::string MessageText(Msg message, const MessageArgs& a) {
    const std::string detail(a.detail);
    switch (message) {
    case Msg::NothingToPrint:
        return "No data to print. Calculate.";
    case Msg::NothingToGraph:
        return "No data to graph. Calculate.";
    case Msg::WrongEntry:
        return "Wrong or missing entry, try again.";
    case Msg::YearLimit50:
        return "Wrong entry, 50 Years limit.";
    case Msg::YearLimit40:
        return "Wrong entry, 40 Years limit.";
    case Msg::ExampleLimit:
        return "Limit is 22 entries.";
    case Msg::CannotComplete:
        return "Unknown error. Cannot complete.";
    case Msg::NoDataToPrint:
        return "No data to print.";
    case Msg::DateAfterLastRecord:
        return "Date cannot be greater than last record: " + detail;
    case Msg::BadFile:
        return "File not found or wrong format. Check Filename and/or Directory.";
    case Msg::NoRecords:
        return "No Records.";
    case Msg::NoSuchRecord:
        return "Record number does not exist.";
    case Msg::NoData:
        return "No data to work with.";
    case Msg::NoRecordsToCorrect:
        return "No Records to Correct.";
    case Msg::WrongValue:
        return "Wrong Value entry: " + detail;
    case Msg::NoCompleteRecord:
        return "No complete record to add to database.";
    case Msg::CannotSort:
        return "Cannot sort file.";
    case Msg::BadDatabaseName:
        return std::string(a.fileName) + " Bad Filename. Must be in the form MYFILE.ZRK";
    case Msg::CheckDataValues:
        return "Check data values for this error: " + detail;
    case Msg::NoDatabase:
        return "No data. Either start a new database in 'Add and Edit Database' or 'Open a file from Disk'. "
               "Open the Sample .Zrk file to learn and use all the features. Be sure to read 'How to Use the "
               "Program' for full details.";
    case Msg::TwoWeeksForRatios:
        return "Minimum of two weeks data required for Ratios.";
    case Msg::WrongDate:
        return "Wrong date entry. Correct date format is " + std::string(a.today);
    case Msg::CannotGraph:
        return "Cannot complete graph, check data values for this error: ";
    case Msg::BadMortgageName:
        return "Bad Filename. Must be in the form MYFILE.UMD";
    case Msg::BadLoanName:
        return "Bad Filename. Must be in the form MYFILE.ULD";
    case Msg::OutOfRange:
        return "Must be between " + std::string(a.lowText) + " and " + detail;
    case Msg::LowAboveHigh:
        return "Low number is greater than High.";
    case Msg::PercentLimit:
        return "100% limit.";
    default:
        return {};
    }
}

std::string QuestionText(Question question, std::string_view dbFileName, std::string_view detail) {
    switch (question) {
    case Question::ContinuePrintout:
        return " Continue with Printout.";
    case Question::PrintInColour:
        return " Print in Color.";
    case Question::SaveDatabaseFirst:
        return std::string(dbFileName) +
               " file in memory will be erased. Do you wish to go back and save it to Disk?.";
    case Question::DeleteRecord:
        return "Are you sure you wish to delete the current record: " + std::string(detail);
    default:
        return {};
    }
}

} // namespace brisk
