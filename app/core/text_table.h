// A result table as text, written as CSV or as aligned columns by the command line.
#pragma once

#include <string>
#include <vector>

namespace brisk {

struct TextTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// RFC 4180: fields with a comma, quote or line break are quoted; lines end with CR LF.
std::string csvText(const TextTable& table);
// Columns right-aligned under their headings, two blanks apart.
std::string alignedText(const TextTable& table);

} // namespace brisk
