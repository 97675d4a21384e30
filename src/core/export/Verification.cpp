#include "core/export/Verification.h"

#include "core/classdata/ClassSort.h"
#include "core/classdata/MasterFile.h"
#include "core/phrases/Composition.h"

#include <algorithm>

namespace tq {

StudentProblem studentProblem(const StudentRecord& s, const PhraseLibrary& library)
{
    // The limit applies to the coded comment even when a free-form comment replaces it.
    if (composeComments(s, library).totalLength > trilliumCommentLimit)
        return StudentProblem::CommentTooLong;
    if (s.mark.empty())
        return StudentProblem::NoMark;
    bool anyComment = s.hasFreeForm;
    for (int k = 1; k <= commentCount; ++k)
        anyComment = anyComment || !isNoPhraseCode(s.comment(k));
    if (!anyComment)
        return StudentProblem::NoComment;
    for (int k = 1; k <= skillCount; ++k)
        if (s.skill(k).empty())
            return StudentProblem::MissingSkills;
    return StudentProblem::None;
}

namespace {
const char* problemText(StudentProblem p)
{
    switch (p) {
    case StudentProblem::CommentTooLong: return "  Comments exceed max Trillium length";
    case StudentProblem::NoMark: return "  has no mark";
    case StudentProblem::NoComment: return "  has no comment";
    case StudentProblem::MissingSkills: return "  one or more missing Learning Skills";
    case StudentProblem::None: break;
    }
    return "";
}
} // namespace

std::vector<std::string> discrepancyReport(const ClassUpdateResult& update)
{
    if (update.addedStudents.empty() && update.droppedStudents.empty())
        return {};
    std::vector<std::string> lines{"There is a discrepancy between your file", "and the current master class list.", "",
                                   "NO EXPORT FILE WILL BE CREATED!", "", ""};
    if (!update.droppedStudents.empty()) {
        lines.insert(lines.end(), {"The following students are no longer enrolled in your class(s):", ""});
        for (const StudentRecord& s : update.droppedStudents)
            lines.push_back(fullName(s));
    }
    if (!update.addedStudents.empty()) {
        lines.insert(lines.end(), {"", "", "The following students have been added to your class(s):", ""});
        for (const StudentRecord& s : update.addedStudents)
            lines.push_back(fullName(s));
    }
    lines.insert(lines.end(), {"", "Your classes HAVE been updated.", "Return to Mark / Comment Entry and check things again",
                               "and save this new and accurate class."});
    return lines;
}

std::vector<std::string> problemReport(const ClassList& students, const PhraseLibrary& library)
{
    std::vector<std::string> problems;
    for (const StudentRecord& s : students)
        if (const StudentProblem p = studentProblem(s, library); p != StudentProblem::None)
            problems.push_back(fullName(s) + problemText(p));
    // A class without students has nothing to submit.
    if (students.empty())
        problems.emplace_back("There are no students in your class.");
    if (problems.empty())
        return {};
    std::vector<std::string> lines{"There are problems with your class.", "", "NO EXPORT FILE WILL BE CREATED!", ""};
    lines.insert(lines.end(), problems.begin(), problems.end());
    lines.insert(lines.end(), {"", "Return to Mark / Comment Entry and check things again.",
                               "Everyone MUST have a mark, at least one comment and all 6 learning skills."});
    return lines;
}

const ConfirmationRow& confirmationHeadings()
{
    static const ConfirmationRow headings{"Course", "Student ID", "LAST", "FIRST", "MK", "Comments", "RE", "OR",
                                          "IW", "CO", "IN", "SR", "IEP", "ESL", "ELD", "Interview"};
    return headings;
}

const std::array<int, confirmationColumnCount>& confirmationColumnWidths()
{
    static const std::array<int, confirmationColumnCount> widths{900, 900, 1250, 1250, 350, 5400, 325, 325,
                                                                 325, 325, 325, 325, 400, 400, 400, 725};
    return widths;
}

std::string confirmationComment(const StudentRecord& s, const PhraseLibrary& library)
{
    if (s.hasFreeForm)
        return "[FreeFormComment] " + s.freeFormComment;
    const ComposedComments composed = composeComments(s, library);
    std::string text;
    for (int k = 1; k <= commentCount; ++k)
        text += codeTag(s.comment(k)) + composed.texts[static_cast<size_t>(k - 1)];
    return text;
}

std::vector<ConfirmationRow> confirmationRows(const StudentRecord& s, const PhraseLibrary& library)
{
    const WrappedText wrapped = wrapText(confirmationComment(s, library), confirmationWrapWidth);
    const std::array<const std::string*, 5> lines{&wrapped.lines[0], &wrapped.lines[1], &wrapped.lines[2],
                                                  &wrapped.lines[3], &wrapped.rest};
    std::vector<ConfirmationRow> rows;
    for (size_t i = 0; i < lines.size(); ++i) {
        // The first three rows are always there; the fourth and fifth only when they hold text.
        if (i >= 3 && lines[i]->empty())
            continue;
        ConfirmationRow row{s.courseCode, s.studentNumber, s.lastName, s.firstName, s.mark, *lines[i]};
        if (i == 1) {
            for (int k = 1; k <= skillCount; ++k)
                row[static_cast<size_t>(5 + k)] = s.skill(k);
            row[12] = s.iep;
            row[13] = s.esl;
            row[14] = s.eld;
            row[15] = s.interview;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

Verification verifyClass(ClassList& students, const PhraseLibrary& library, const std::string& masterPath,
                         const Clock& now, const Pause& pause, const DropConsent& acceptDrops)
{
    Verification v;
    // The update builds a student's records in the order of the class's codes as they first
    // occur, so the class is put in name order first: the result then depends only on the class.
    sortByName(students);
    ClassList updated = students;
    const ClassUpdateResult update = updateClassFromMaster(updated, masterPath, now, maxStudents, maxStudents, pause);
    if (update.failed || (!update.droppedStudents.empty() && acceptDrops &&
                          !acceptDrops(reviewDrops(students, updated, update.droppedStudents)))) {
        v.updateFailed = true;
        v.message = update.message;
        return v;
    }
    students = std::move(updated);
    v.report = discrepancyReport(update);
    if (v.report.empty())
        v.report = problemReport(students, library);
    // The update leaves the class in the master list's order; the teacher gets it back in the
    // order a save leaves it, whether the class passed or not.
    sortByName(students);
    if (!v.report.empty())
        return v;
    v.grid.push_back(confirmationHeadings());
    for (const StudentRecord& s : students)
        for (ConfirmationRow& row : confirmationRows(s, library))
            v.grid.push_back(std::move(row));
    return v;
}

} // namespace tq
