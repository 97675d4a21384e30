#pragma once
// Typing a mark: what the entry box over the mark cell starts with, how each key release
// filters it, and where the entry moves on to.
#include <string>

namespace tq {

inline constexpr int enterCharCode = 13;
// The highest mark the box accepts; a longer number is wiped as its last digit is released.
inline constexpr int highestMark = 100;

// The box text when the key with character code `charCode` is pressed in the mark column: the
// digit itself, "I" for a capital I, and an empty box for anything else (Enter included).
std::string markBoxTextForKey(int charCode);

// Keys as the filter tells them apart: the I key (either case), a digit of the main row or the
// keypad, the Shift key, and every other key.
enum class MarkKey { LetterI, Digit, Shift, Other };

// The box text after a key is released: "I" for the I key; after a digit or Shift the text
// stands unless its leading number passes 100, when the box is emptied; any other key empties it.
std::string filterMarkText(const std::string& text, MarkKey key);

// The grid row after `row` when the grid has `rows` rows counting the heading: the next student,
// or the first student after the last.
int nextStudentRow(int row, int rows);

} // namespace tq
