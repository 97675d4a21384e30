#include "core/mycomments/MyCommentExpansion.h"

#include "core/base/Cp1252.h"
#include "core/base/TrimBlanks.h"
#include "core/mycomments/FoldedWords.h"
#include "core/phrases/Composition.h"

namespace tq {

std::string expandMyComment(std::string_view comment, const StudentRecord& student, bool nameWritten)
{
    // The placeholders are ASCII, and no byte of a longer UTF-8 character is one of them: the
    // phrases' expansion walks the UTF-8 comment as it is, with the name in UTF-8 too.
    StudentRecord inUtf8 = student;
    inUtf8.firstName = cp1252ToUtf8(student.firstName);
    std::string expanded;
    expandPlaceholders(comment, inUtf8, !nameWritten, expanded);
    return expanded;
}

bool studentNamedIn(std::string_view text, const StudentRecord& student)
{
    const std::string name = cp1252ToUtf8(trimBlanks(student.firstName));
    for (size_t at = 0; at < text.size(); at += characterLengthAt(text, at))
        if (wordMayStartAt(text, at) && wholeWordAt(text, at, name) > 0)
            return true;
    return false;
}

} // namespace tq
