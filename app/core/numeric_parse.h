// The leading-number parse that entry boxes and files rely on, and the parse of an entry box's text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisk {

// Skips leading blanks, then reads the longest number it can: sign, digits, one decimal point, an
// exponent (E or D). Reading stops at the first character that cannot belong to a number; a text
// that does not start with a number gives 0.
double Val(std::string_view text);

// The number a user sees in an entry box: its display decorations (the currency symbol in front
// or behind, thousands separators, a percent sign, blanks) are dropped before Val reads it.
double parseEntryText(std::string_view text, std::string_view currencySymbol);

// A figure as the program shows it ("$1,234.50", "20.000%", ".00", "-5") as a spreadsheet reads it
// ("1234.50", "20.000", "0.00", "-5"); nothing for any other text (a date, a word, "1,2").
std::optional<std::string> plainFigure(std::string_view text, std::string_view currencySymbol);

} // namespace brisk
