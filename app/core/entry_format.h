// The display text an entry box shows after storing its value, in its three shapes.
#pragma once

#include <string>
#include <string_view>

namespace brisk {

// Currency symbol and the figure with the money mask, right-aligned in `width` characters.
std::string amountText(double value, std::string_view currencySymbol, std::string_view mask, int width);
// The figure with the percent mask right-aligned in `width`, then "%".
std::string percentText(double value, std::string_view mask, int width);
// A whole number with its mask, right-aligned in `width`.
std::string wholeText(double value, std::string_view mask, int width);

// The largest figure a mask shows in full: every digit place before the point a 9 and every
// decimal place a 9 ("##0.00" gives 999.99); what a box must be wide enough to show.
double largestMaskValue(std::string_view mask);

} // namespace brisk
