// The leading-number parse that entry boxes and files rely on, and the parse of an entry box's text.
#pragma once

#include <string_view>

namespace brisk {

// Skips leading blanks, then reads the longest number it can: sign, digits, one decimal point, an
// exponent (E or D). Reading stops at the first character that cannot belong to a number; a text
// that does not start with a number gives 0.
double Val(std::string_view text);

// The number a user sees in an entry box: its display decorations (the currency symbol in front
// or behind, thousands separators, a percent sign, blanks) are dropped before Val reads it.
double parseEntryText(std::string_view text, std::string_view currencySymbol);

} // namespace brisk
