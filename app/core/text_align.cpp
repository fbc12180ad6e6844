#include "app/core/text_align.h"

namespace brisk {

namespace {
bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

int charCount(std::string_view utf8) {
    int count = 0;
    for (char c : utf8)
        if (!isContinuationByte(c)) ++count;
    return count;
}

std::string firstChars(std::string_view utf8, int n) {
    int seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (!isContinuationByte(utf8[i]) && seen++ == n) return std::string(utf8.substr(0, i));
    }
    return std::string(utf8);
}

std::string RightAlign(std::string_view text, int width, Overflow overflow) {
    const int length = charCount(text);
    if (length > width) return overflow == Overflow::Cut ? firstChars(text, width) : std::string(text);
    return std::string(width - length, ' ') + std::string(text);
}

} // namespace brisk
