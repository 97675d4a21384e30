#pragma once
// The list beside the class grid: the favourite comment codes with their phrases (comments view)
// or the key to the learning skills and flags (skills view).
#include "phrases/PhraseLibrary.h"
#include "selection/FavouritesFile.h"

#include <string>
#include <vector>

namespace tq {

inline constexpr const char* favouriteSeparatorLine = "           ---------------";
inline constexpr const char* noCommentLine = "           no comment (delete existing comment)";

// One line per favourite ("0123 phrase text" or the separator), then the "no comment" line.
// Every line begins with the four characters that a click on it places as a code.
std::vector<std::string> favouritesListLines(const Favourites& fav, const PhraseLibrary& library);

// The caption above the favourites list.
std::string favouritesCaption(const std::string& favouritesFile);

// The 39 lines of the learning-skills key.
const std::vector<std::string>& learningSkillsKeyLines();

// The code a line of the favourites list stands for: its first four characters.
std::string codeOfFavouritesLine(const std::string& line);

} // namespace tq
