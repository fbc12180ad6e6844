#include "app/core/key_filter.h"

#include "app/core/text_align.h"

namespace brisk {

namespace {
bool isDigitKey(int key) {
    return key >= '0' && key <= '9';
}
} // namespace

int FilterDecimalKey(int key, EntryState& state) {
    if (key == kKeyBackspace || key == kKeyRubout || key == '.') return key;
    if (!isDigitKey(key)) return 0;
    const auto point = state.EntryText.find('.');
    if (point == std::string::npos) return key;
    // Positions count characters, 1-based, as the text a user sees.
    const int p = charCount(std::string_view(state.EntryText).substr(0, point)) + 1;
    int limit = p + 2;
    if (state.EntryDecimals > 2) {
        limit = p + state.EntryDecimals;
        state.EntryDecimals = 0;
    }
    return charCount(state.EntryText) < limit ? key : 0;
}

int FilterIntegerKey(int key) {
    return key == kKeyBackspace || key == kKeyRubout || isDigitKey(key) ? key : 0;
}

} // namespace brisk
