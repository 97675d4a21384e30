#pragma once
// Placing comment codes with the mouse: a code stands at most once among the comments of one
// row (a student's five comments, a mark range's three initial comments).
#include "core/classdata/StudentRecord.h"

#include <array>
#include <span>
#include <string>

namespace tq {

using CommentCells = std::array<std::string, commentCount>;

// Writes `code` into comment `slot` of the row. Any other comment holding the same code is
// emptied, so placing a code again moves it; the blank code (four spaces) may stand anywhere.
void placeCommentCode(std::span<std::string> comments, int slot, const std::string& code);

// The comment a code chosen by key (Enter on a favourite) goes into: the comment the teacher is
// on (`currentSlot`, negative when the teacher is on no comment), else the row's first comment
// without a phrase, else its last comment.
int slotForChosenCode(std::span<const std::string> comments, int currentSlot);

} // namespace tq
