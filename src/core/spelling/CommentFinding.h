#pragma once
// What the comment checks find in a free-form comment: a word the spelling check does not know,
// the name of another student of the class, or a pronoun that does not fit the student.
#include "core/spelling/CommentWords.h"

#include <string>
#include <string_view>
#include <vector>

namespace tq {

enum class FindingKind { Spelling, Name, Pronoun };

// "spelling", "name" or "pronoun", as the command line prints them.
std::string_view findingKindName(FindingKind kind);

struct CommentFinding {
    FindingKind kind = FindingKind::Spelling;
    WordSpan where;   // in the comment
    std::string word; // as the comment writes it

    bool operator==(const CommentFinding&) const = default;
};

// What a screen reader says of a word with such a finding when the caret is on it: "misspelt",
// "another student's name" or "pronoun that does not fit".
std::string_view findingDescription(FindingKind kind);

// The finding of the word at `place` in the comment (the place just after it included), or null.
const CommentFinding* findingAt(const std::vector<CommentFinding>& findings, size_t place);

// The findings in the order of their place in the comment (the order in which they were found
// at one place).
void sortByPlace(std::vector<CommentFinding>& findings);

// The first finding of each kind and word: a word written three times is named once.
std::vector<CommentFinding> distinctFindings(const std::vector<CommentFinding>& findings);

} // namespace tq
