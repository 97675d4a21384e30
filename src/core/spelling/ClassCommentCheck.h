#pragma once
// The comment checks over a whole class, before the eFile and on the command line: the
// free-form comments are the ones a teacher typed; coded comments come from the school's library.
#include "core/classdata/StudentRecord.h"
#include "core/spelling/CommentChecker.h"

#include <string>
#include <vector>

namespace tq {

struct StudentFinding {
    size_t student = 0; // the student's place in the class
    CommentFinding finding;
};

// The findings of every student's free-form comment, student by student in the class's order,
// each within a comment in the order of the text; a word is named once per comment and kind.
std::vector<StudentFinding> classCommentFindings(const ClassList& students, CommentChecker& checker);

// The eFile window's lines for the findings, under their own heading; none without findings.
// They never keep the eFile from being made.
std::vector<std::string> commentWarningReport(const ClassList& students, const std::vector<StudentFinding>& findings);

// The free-form dialog's line under the comment, naming the words the spelling check does not
// know (underlined in the text too), the other students' names and the pronouns that do not fit;
// empty when there is none.
std::string commentFindingsLine(const std::vector<CommentFinding>& findings, const StudentRecord& student);

} // namespace tq
