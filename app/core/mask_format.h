// Numeric display masks: "#" a digit shown when significant, "0" a digit always shown, "." the
// decimal point, "," between digit placeholders groups thousands, "%" multiplies by 100.
#pragma once

#include <string>
#include <string_view>

namespace brisk {

// The value formatted with the mask, rounded half away from zero to the places shown (on its
// 15-digit decimal form, so 1.005 shows as 1.01 with two places). A mask with no placeholder is
// returned as it stands.
std::string Format(double value, std::string_view mask);
// The same, added to the end of `text` (long tables are written without a string a figure).
void FormatTo(std::string& text, double value, std::string_view mask);

} // namespace brisk
