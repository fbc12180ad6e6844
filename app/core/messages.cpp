#include "app/core/messages.h"

namespace brisk {

std::string MessageText(int number, const MessageArgs& a) {
    const std::string detail(a.detail);
    switch (number) {
    case 1:
        return "No data to print. Calculate.";
    case 2:
        return "No data to graph. Calculate.";
    case 3:
        return "Wrong or missing entry, try again.";
    case 4:
        return "Wrong entry, 50 Years limit.";
    case 5:
        return "Wrong entry, 40 Years limit.";
    case 6:
        return "Limit is 22 entries.";
    case 7:
        return "Unknown error. Cannot complete.";
    case 8:
        return "No data to print.";
    case 10:
        return "Date cannot be greater than last record: " + detail;
    case 13:
        return "File not found or wrong format. Check Filename and/or Directory.";
    case 15:
        return "No Records.";
    case 16:
        return "Record number does not exist.";
    case 17:
        return "No data to work with.";
    case 18:
        return "No Records to Correct.";
    case 19:
        return "Wrong Value entry: " + detail;
    case 20:
        return "No complete record to add to database.";
    case 23:
        return "Cannot sort file.";
    case 25:
        return std::string(a.graphTitle) + " Bad Filename. Must be in the form MYFILE.ZRK";
    case 27:
        return "Check data values for this error: " + detail;
    case 28:
        return "No data. Either start a new database in 'Add and Edit Database' or 'Open a file from Disk'. "
               "Open the Sample .Zrk file to learn and use all the features. Be sure to read 'How to Use the "
               "Program' for full details.";
    case 29:
        return "Minimum of two weeks data required for Ratios.";
    case 30:
        return "Wrong date entry. Correct date format is " + std::string(a.today);
    case 36:
        return "Cannot complete graph, check data values for this error: ";
    case 37:
        return "Bad Filename. Must be in the form MYFILE.UMD";
    case 38:
        return "Bad Filename. Must be in the form MYFILE.ULD";
    case 43:
        return "Must be between " + std::string(a.lowText) + " and " + detail;
    case 47:
        return "Low number is greater than High.";
    case 52:
        return "100% limit.";
    default:
        return {};
    }
}

std::string QuestionText(int askNumber, std::string_view dbFileName, std::string_view detail) {
    switch (askNumber) {
    case 1:
        return " Continue with Printout.";
    case 2:
        return " Print in Color.";
    case 3:
        return std::string(dbFileName) +
               " file in memory will be erased. Do you wish to go back and save it to Disk?.";
    case 4:
        return "Are you sure you wish to delete the current record: " + std::string(detail);
    default:
        return {};
    }
}

} // namespace brisk
