// A result table as text, written as CSV or as aligned columns by the command line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brisk {

struct TextTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// RFC 4180: fields with a comma, quote or line break are quoted; lines end with CR LF (files) or
// with `lineEnd` (standard output takes plain line feeds).
std::string csvText(const TextTable& table, std::string_view lineEnd = "\r\n");
// One field as CSV writes it, quoted only when it must be.
void appendCsvField(std::string& out, std::string_view field);
// Reads CSV text as a spreadsheet writes it: a UTF-8 byte-order mark skipped, the separator a
// comma or, when the first line has more of them outside quotes, a semicolon or a tab; quoted fields with
// doubled quotes and line breaks; CR LF or LF. Empty lines are dropped.
struct CsvRows {
    char separator = ',';
    std::vector<std::vector<std::string>> rows;
};
CsvRows parseCsv(std::string_view text);

// Columns right-aligned under their headings, two blanks apart.
std::string alignedText(const TextTable& table);

} // namespace brisk
