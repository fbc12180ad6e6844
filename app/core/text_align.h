// Fixed-width text helpers: character counts of UTF-8 text and the right alignment every window uses.
#pragma once

#include <string>
#include <string_view>

namespace brisk {

// Number of characters (code points) of UTF-8 text.
int charCount(std::string_view utf8);
// The first n characters of UTF-8 text.
std::string firstChars(std::string_view utf8, int n);

// What RightAlign does with a text wider than its field.
enum class Overflow {
    Cut,      // plain text: keep its first characters
    KeepWhole // a formatted figure: cutting it would show a wrong number
};

// Exactly `width` characters, the text right-aligned behind blanks; a wider text is cut or kept
// whole as `overflow` says.
std::string RightAlign(std::string_view text, int width, Overflow overflow = Overflow::Cut);

} // namespace brisk
