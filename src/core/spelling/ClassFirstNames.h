#pragma once
// The first names of a class's students, to find another student's name in a comment: the
// mistake of a comment copied from one student to the next.
#include "core/classdata/StudentRecord.h"
#include "core/spelling/CommentFinding.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tq {

class ClassFirstNames {
public:
    explicit ClassFirstNames(const ClassList& students);

    // The first names of other students among `words` of `text`: a name begins with a capital
    // and is a whole word, or a run of whole words for a first name of several ("Mary Anne");
    // letters are compared without regard to case, and a possessive counts ("Zoë's"). The
    // student's own first name is never one: two students of one first name are not told apart.
    // Where two names begin at one word the longer is taken.
    std::vector<CommentFinding> otherNamesIn(std::string_view text, const std::vector<WordSpan>& words,
                                             std::string_view ownFirstName) const;

private:
    using NameWords = std::vector<std::string>; // a first name's words in small letters
    // The class's first names by their first word.
    std::unordered_map<std::string, std::vector<NameWords>> byFirstWord_;
};

} // namespace tq
