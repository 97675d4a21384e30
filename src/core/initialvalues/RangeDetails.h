#pragma once
// The three lines below the ranges grid that show one range in full: its marks, each comment
// code with its phrase as the library holds it, and its six ratings under the skills' initials.
// The printout of the settings repeats them for every range.
#include "core/phrases/PhraseLibrary.h"
#include "core/selection/FavouritesFile.h"

#include <array>
#include <string>
#include <vector>

namespace tq {

// Width of each code with its phrase; a longer phrase pushes the rest of its line right.
inline constexpr size_t rangeCommentWidth = 75;

std::array<std::string, 3> rangeDetailLines(const InitialValueRange& range, const PhraseLibrary& library);

// The same range as a screen reader reads it, one field a line: its marks, each code with its
// phrase, its ratings by skill name.
std::vector<std::string> rangeReadingLines(const InitialValueRange& range, const PhraseLibrary& library);

} // namespace tq
