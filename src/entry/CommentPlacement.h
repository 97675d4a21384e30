#pragma once
// Placing comment codes with the mouse: a code stands at most once among a student's five
// comments.
#include "classdata/StudentRecord.h"

#include <array>
#include <string>

namespace tq {

using CommentCells = std::array<std::string, commentCount>;

// Writes `code` into comment `slot` (0 to 4). Any other comment holding the same code is
// emptied, so placing a code again moves it; the blank code (four spaces) may stand anywhere.
void placeCommentCode(CommentCells& comments, int slot, const std::string& code);

} // namespace tq
