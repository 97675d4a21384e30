#pragma once
// Finding a word in UTF-8 text as a word of its own, in any case: the letters of the class files'
// code page compared as the code page pairs them (so "FRANÇOIS" is "François"), any other
// character exactly.
#include <cstddef>
#include <string_view>

namespace tq {

// True when a word may begin at byte `at` of `text`: at the start, or after a character that is
// no letter or digit.
bool wordMayStartAt(std::string_view text, size_t at);

// The length in bytes of `word` where it stands at byte `at` of `text` as a whole word (no letter
// or digit follows it), compared in any case; 0 when it does not stand there.
size_t wholeWordAt(std::string_view text, size_t at, std::string_view word);

// True when the character at byte `at` is a letter or a digit (any character beyond the code
// page counts as a letter).
bool isWordCharacterAt(std::string_view text, size_t at);

// The length in bytes of the character at byte `at` (1 for a byte that starts no UTF-8 sequence).
size_t characterLengthAt(std::string_view text, size_t at);

} // namespace tq
