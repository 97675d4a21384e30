#pragma once
// The comment checks' findings as the command line prints them, one a line, fields separated by
// tabs, in the program's Windows-1252 bytes as the other commands print names and phrases.
#include "core/spelling/ClassCommentCheck.h"
#include "core/spelling/LibrarySpelling.h"

#include <string>
#include <vector>

namespace tq {

// At most this many suggestions end a spelling line.
inline constexpr size_t suggestionsPrinted = 3;

// "LAST, FIRST<TAB>KIND<TAB>WORD", a spelling line followed by a tab and its suggestions
// separated by spaces when the dictionary has any (suggestions of one word only).
std::vector<std::string> commentFindingLines(const ClassList& students, const std::vector<StudentFinding>& findings,
                                             const CommentChecker& checker);

// "CODE<TAB>WORD", followed by the suggestions in the same way.
std::vector<std::string> libraryFindingLines(const std::vector<LibraryFinding>& findings, const CommentChecker& checker);

} // namespace tq
