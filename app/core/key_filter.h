// The key filters of the entry boxes and the program-wide state of the box being typed in.
#pragma once

#include <string>

namespace brisk {

// One box has the focus at a time, so one set of values serves the whole program.
struct EntryState {
    int EntryEdited = 0;   // 1 once the focused box was typed into, clicked or had Delete pressed
    std::string EntryText; // the box's text just before the key being filtered
    int EntryDecimals = 0; // decimals allowed for the next key when above 2 (reset by each use)
};

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyRubout = 127;
inline constexpr int kKeyEnter = 13;

// The key filter of amount and rate boxes: digits (up to the allowed decimals), the decimal point,
// Backspace and 127 pass; the result is the key, or 0 for a refused key (the caller beeps).
int FilterDecimalKey(int key, EntryState& state);
// The key filter of whole-number boxes: digits, Backspace and 127.
int FilterIntegerKey(int key);

} // namespace brisk
