#pragma once
// Pronouns that do not fit the student: a comment copied from a boy's to a girl's, or written
// with the wrong student in mind.
#include "core/spelling/CommentFinding.h"

#include <string_view>
#include <vector>

namespace tq {

// The pronouns among `words` of `text` that do not fit `gender` as the class file holds it:
// he, him, his and himself for "F"; she, her, hers and herself for "M"; none for any other
// gender or none ("X" among them: the comments name such a student instead of a pronoun). Whole words in any case; a contraction counts by its pronoun ("he's", "she'll").
std::vector<CommentFinding> unfittingPronouns(std::string_view text, const std::vector<WordSpan>& words,
                                              std::string_view gender);

} // namespace tq
