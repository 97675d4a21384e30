#pragma once
// Checking the class before the eFile is made: bringing it up to date with the master list,
// reporting students added or dropped, reporting incomplete students, and laying the class out
// for the teacher's last look.
#include "core/base/Clock.h"
#include "core/base/Message.h"
#include "core/classdata/ClassUpdate.h"
#include "core/classdata/DropReview.h"
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tq {

// What keeps one student out of the eFile, in the order the rules are tried.
enum class StudentProblem { None, CommentTooLong, NoMark, NoComment, MissingSkills };

// The first rule `s` breaks: composed comment over the Trillium limit, no mark, no comment code
// and no free-form comment, or a learning skill left empty.
StudentProblem studentProblem(const StudentRecord& s, const PhraseLibrary& library);

// The report lines after an update that added or dropped students.
std::vector<std::string> discrepancyReport(const ClassUpdateResult& update);
// The report lines for the incomplete students of `students`; empty when every student passes.
std::vector<std::string> problemReport(const ClassList& students, const PhraseLibrary& library);

// The confirmation grid: 16 columns, a header row, then three to five rows per student.
inline constexpr int confirmationColumnCount = 16;
inline constexpr int confirmationFixedColumns = 4;   // Course, Student ID, LAST, FIRST
inline constexpr int confirmationMergedColumns = 5;  // ... and the mark
inline constexpr int confirmationCommentColumn = 5;
inline constexpr size_t confirmationWrapWidth = 75;
using ConfirmationRow = std::array<std::string, confirmationColumnCount>;
const ConfirmationRow& confirmationHeadings();
const std::array<int, confirmationColumnCount>& confirmationColumnWidths(); // twips

// The comment as the confirmation grid shows it: the free-form comment behind a
// "[FreeFormComment] " marker, or each code tag followed by its composed phrase.
std::string confirmationComment(const StudentRecord& s, const PhraseLibrary& library);
// The grid rows of one student.
std::vector<ConfirmationRow> confirmationRows(const StudentRecord& s, const PhraseLibrary& library);

struct Verification {
    bool updateFailed = false;          // the class is unchanged; `message` says why (none: declined)
    MaybeMessage message;               // TQ4, TQ5, TQ24 or TQ25
    std::vector<std::string> report;    // discrepancy or problem lines; empty when the class passes
    std::vector<ConfirmationRow> grid;  // header first; only when the class passes
    bool passed() const { return !updateFailed && report.empty(); }
};

// Everything the eFile command does, in its order, for the window and the command line alike:
// sorts `students` by name, updates them against the master file, then reports discrepancies,
// or else incomplete students, or else sorts the class by name again and lays it out for
// confirmation. A failed update leaves the class as it was, but for the first sort. When the
// update would drop students and `acceptDrops` is given, it is asked first: false leaves the class
// as a failed update does.
using DropConsent = std::function<bool(const DropReview&)>;
Verification verifyClass(ClassList& students, const PhraseLibrary& library, const std::string& masterPath,
                         const Clock& now, const Pause& pause = systemPause(), const DropConsent& acceptDrops = {});

} // namespace tq
