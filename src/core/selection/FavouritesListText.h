#pragma once
// The text of a favourites list as every window shows it: one line per entry ("0123 phrase text"
// or the separator line) and, where codes are placed from the list, the "no comment" line last.
// Every line begins with the four characters that stand for its code.
#include "core/phrases/PhraseLibrary.h"
#include "core/selection/FavouritesFile.h"

#include <optional>
#include <string>
#include <vector>

namespace tq {

inline constexpr const char* favouriteSeparatorLine = "           ---------------";
inline constexpr const char* noCommentLine = "           no comment (delete existing comment)";

// Palette: the list codes are placed from (main window, Initial Values Setup), which ends with
// the "no comment" line that clears a comment. Entries: the list being edited, one line per entry.
enum class FavouritesListKind { Palette, Entries };

// The line of one entry: the code, a space and its phrase; the separator line for a blank entry.
std::string favouriteEntryLine(const std::string& code, const PhraseLibrary& library);

std::vector<std::string> favouritesListLines(const Favourites& fav, const PhraseLibrary& library,
                                             FavouritesListKind kind = FavouritesListKind::Palette);

// The caption above a favourites list.
std::string favouritesCaption(const std::string& favouritesFile);

// The code a line stands for: its first four characters.
std::string codeOfFavouritesLine(const std::string& line);

// The line of a palette that a right click on a comment holding `cellText` selects: the last
// line ("no comment") for an empty or blank comment, else the first line whose code is the
// comment's. Nothing when no line has it: the code is then picked up from the cell itself.
std::optional<size_t> favouritesLineFor(const std::vector<std::string>& lines, const std::string& cellText);

} // namespace tq
