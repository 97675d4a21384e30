#pragma once
// Entering a class by keyboard, cell by cell, the same way in every grid that takes comment codes,
// ratings and flags: what a typed key does in a comment, skill or flag cell. Each action is the
// keyboard's twin of a mouse action and goes through the same placing, rating and flag rules.
#include "core/base/Message.h"

#include <string>

namespace tq {

inline constexpr int backspaceCharCode = 8;
inline constexpr int spaceCharCode = 32;
inline constexpr int deleteCharCode = 127;
// The longest comment code the code box takes.
inline constexpr size_t longestTypedCode = 8;

enum class CellKind { Comment, Skill, Flag, Other };

struct CellKey {
    enum class Action { None, TypeCode, Rate, ToggleFlag, Clear };
    Action action = Action::None;
    std::string value; // the code box's first character, or the rating "1" to "4"
};

// What the key with character code `charCode` does in a cell of `kind`:
//   comment cell: a letter or digit opens the code box with it; Delete or Backspace clears it;
//   skill cell: 1 to 4, or the rating's letter N, S, G or E (either case), rates the skill;
//   flag cell: Space toggles the flag;
//   Delete or Backspace clears a skill or flag cell too. Any other key does nothing.
CellKey cellKey(CellKind kind, int charCode);

// The code box's text as the teacher types: letters and digits only, at most `longestTypedCode`.
std::string filterCodeText(const std::string& typed);

// A code typed that the phrase library does not have: nothing is placed.
Message unknownTypedCodeMessage(const std::string& code);

} // namespace tq
