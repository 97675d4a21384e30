#pragma once
// Placing comment codes with the mouse: a code stands at most once among a student's five
// comments, and a right click on a comment shows which favourite it is.
#include "classdata/StudentRecord.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tq {

using CommentCells = std::array<std::string, commentCount>;

// Writes `code` into comment `slot` (0 to 4). Any other comment holding the same code is
// emptied, so placing a code again moves it; the blank code (four spaces) may stand anywhere.
void placeCommentCode(CommentCells& comments, int slot, const std::string& code);

// The line of the favourites list that a right click on a comment holding `cellText` selects:
// the last line ("no comment") for an empty or blank comment, else the first line whose code is
// the comment's. Nothing when no line has it: the code is then picked up from the cell itself.
std::optional<size_t> favouritesLineFor(const std::vector<std::string>& lines, const std::string& cellText);

} // namespace tq
