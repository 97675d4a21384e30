#include "core/classdata/MasterFile.h"
#include "core/export/Verification.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tq;
using namespace tq::test;

namespace {
using Lines = std::vector<std::string>;

// A phrase whose composed text ("text. ") is exactly `length` characters long.
PhraseRecord phraseOfLength(const std::string& code, size_t length)
{
    std::string text;
    while (text.size() < length - 2)
        text += text.size() % 5 == 4 ? ' ' : 'x';
    text.back() = 'x';
    return PhraseRecord{code, text, "1"};
}

PhraseLibrary library()
{
    return PhraseLibrary({{"0101", "@ works hard", "1"}, {"0102", "# notes are neat", "1"}, phraseOfLength("0200", 300),
                          phraseOfLength("0201", 160), phraseOfLength("0202", 161)});
}

StudentRecord complete(const std::string& last, const std::string& first = "Kim")
{
    StudentRecord s = newStudentRecord("SCH3U1-01", "123456789", last, first, "F", "11A");
    s.mark = "80";
    s.comment1 = "0101";
    return s;
}
} // namespace

TEST(Verification, OnlyTheFirstBrokenRuleCounts)
{
    const PhraseLibrary lib = library();
    StudentRecord s = complete("A");
    EXPECT_EQ(studentProblem(s, lib), StudentProblem::None);

    // 460 characters pass, 461 fail, and then nothing else is reported.
    s.comment1 = "0200";
    s.comment2 = "0201";
    EXPECT_EQ(studentProblem(s, lib), StudentProblem::None);
    s.comment2 = "0202";
    s.mark.clear();
    s.skillCollaboration.clear();
    EXPECT_EQ(studentProblem(s, lib), StudentProblem::CommentTooLong);
    // The limit holds for the coded comment even behind a free-form comment.
    s.hasFreeForm = true;
    EXPECT_EQ(studentProblem(s, lib), StudentProblem::CommentTooLong);

    StudentRecord noMark = complete("B");
    noMark.mark.clear();
    noMark.comment1.clear();
    noMark.skillInitiative.clear();
    EXPECT_EQ(studentProblem(noMark, lib), StudentProblem::NoMark);

    // Four blanks are no comment; a free-form comment is one.
    StudentRecord noComment = complete("C");
    noComment.comment1 = "    ";
    noComment.skillResponsibility.clear();
    EXPECT_EQ(studentProblem(noComment, lib), StudentProblem::NoComment);
    noComment.hasFreeForm = true;
    EXPECT_EQ(studentProblem(noComment, lib), StudentProblem::MissingSkills);
    noComment.skillResponsibility = "2";
    EXPECT_EQ(studentProblem(noComment, lib), StudentProblem::None);
}

TEST(Verification, TheProblemReportListsEachIncompleteStudentOnce)
{
    StudentRecord tooLong = complete("Long", "Lee");
    tooLong.comment1 = "0200";
    tooLong.comment2 = "0202";
    StudentRecord noMark = complete("Nomark", "Nia");
    noMark.mark.clear();
    StudentRecord noComment = complete("Nocomment", "Ned");
    noComment.comment1.clear();
    StudentRecord noSkill = complete("Noskill", "Sam");
    noSkill.skillSelfRegulation.clear();
    const ClassList c{complete("Fine"), tooLong, noMark, noComment, noSkill};
    EXPECT_EQ(problemReport(c, library()),
              (Lines{"There are problems with your class.", "", "NO EXPORT FILE WILL BE CREATED!", "",
                     "Long Lee  Comments exceed max Trillium length", "Nomark Nia  has no mark",
                     "Nocomment Ned  has no comment", "Noskill Sam  one or more missing Learning Skills", "",
                     "Return to Mark / Comment Entry and check things again.",
                     "Everyone MUST have a mark, at least one comment and all 6 learning skills."}));
    EXPECT_TRUE(problemReport({complete("Fine")}, library()).empty());
    // A class without students is never offered for export.
    EXPECT_FALSE(problemReport({}, library()).empty());
}

TEST(Verification, TheDiscrepancyReportListsDroppedBeforeAdded)
{
    ClassUpdateResult update;
    update.addedStudents = {complete("New", "Nora")};
    update.droppedStudents = {complete("Gone", "Gus"), complete("Left", "Lou")};
    EXPECT_EQ(discrepancyReport(update),
              (Lines{"There is a discrepancy between your file", "and the current master class list.", "",
                     "NO EXPORT FILE WILL BE CREATED!", "", "",
                     "The following students are no longer enrolled in your class(s):", "", "Gone Gus", "Left Lou",
                     "", "", "The following students have been added to your class(s):", "", "New Nora", "",
                     "Your classes HAVE been updated.", "Return to Mark / Comment Entry and check things again",
                     "and save this new and accurate class."}));
    update.droppedStudents.clear();
    const Lines addedOnly = discrepancyReport(update);
    EXPECT_EQ(addedOnly[6], "");
    EXPECT_EQ(addedOnly[8], "The following students have been added to your class(s):");
    EXPECT_TRUE(discrepancyReport(ClassUpdateResult{}).empty());
}

// The master file as the office's copy may leave it: the update and the eFile check lose no
// student and say why; a file still changing is read again once after the wait.
TEST(Verification, AMasterFileCutShortOrStillBeingCopiedCostsNoStudent)
{
    TempDir dir;
    const auto line = [](const std::string& last, const std::string& number, const std::string& code) {
        return last + ",Al,M," + number + ",x,x,x,NEW8,x,x,x,x,x,x," + code;
    };
    const auto entered = [](const std::string& code, const std::string& number, const std::string& last) {
        StudentRecord s = newStudentRecord(code, number, last, "Al", "F", "OLD8");
        s.mark = "77";
        return s;
    };
    const std::string whole = crlfLines({"header", line("Adams", "111", "ENG-01"), line("Brown", "222", "ENG-02"),
                                         line("Cole", "333", "ENG-01")});
    std::time_t now = std::time(nullptr);
    struct Row {
        const char* name;
        std::string text;
        bool settled;                         // last changed a minute ago
        std::function<void()> duringTheWait;  // what happens while the update waits
        const char* message;                  // the refusal's code; "" when the update runs
        bool looksIncomplete = false;         // it runs but would take every student of a code
    };
    const std::string path = dir.file("data.txt");
    const Row rows[] = {
        {"header only", "header\r\n", true, {}, "TQ24"},
        {"the office's heading line of 15 fields alone", readBytes(dataFile("master-header-only.txt")), true, {}, "TQ24"},
        {"cut mid-line", whole.substr(0, whole.rfind(",x,x,x,x,")), true, {}, "TQ24"},
        {"growing", whole, false, [&] { writeBytes(path, whole + whole); }, "TQ24"},
        {"settles during the wait", whole, false, [&] { now += 3; }, ""},
        {"cut at a line", crlfLines({"header", line("Adams", "111", "ENG-01")}), true, {}, "", true},
        {"none of the class", crlfLines({"header", line("Else", "777", "MAT-01")}), true, {}, "TQ25"},
    };
    const ClassList before{entered("ENG-01", "111", "Adams"), entered("ENG-02", "222", "Brown"),
                           entered("ENG-01", "333", "Cole")};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        now = std::time(nullptr);
        writeBytes(path, row.text);
        if (row.settled)
            settleFile(path);
        int waits = 0;
        const Pause pause = [&](std::chrono::milliseconds wait) {
            EXPECT_EQ(wait, std::chrono::seconds(2));
            ++waits;
            if (row.duringTheWait)
                row.duringTheWait();
        };
        const Clock clock = [&now] { return now; };
        ClassList c = before;
        const ClassUpdateResult r = updateClassFromMaster(c, path, clock, 101, 101, pause);
        EXPECT_EQ(r.failed, *row.message != '\0');
        EXPECT_EQ(r.message ? r.message->text.substr(0, 4) : "", row.message);
        EXPECT_EQ(waits, std::string(row.message) == "TQ24" || !row.settled ? 1 : 0);
        if (r.failed) {
            EXPECT_EQ(c, before);
        } else {
            EXPECT_EQ(reviewDrops(before, c, r.droppedStudents).looksIncomplete(), row.looksIncomplete);
        }

        // The eFile check asks before it drops anyone; a No leaves the class as the update found it.
        if (!row.settled)
            writeBytes(path, row.text);
        ClassList checked = before;
        bool asked = false;
        const Verification v = verifyClass(checked, PhraseLibrary(), path, clock, pause, [&](const DropReview& review) {
            asked = true;
            EXPECT_TRUE(review.looksIncomplete());
            return false;
        });
        EXPECT_EQ(asked, row.looksIncomplete);
        EXPECT_EQ(v.updateFailed, *row.message != '\0' || row.looksIncomplete);
        if (v.updateFailed) {
            EXPECT_EQ(checked.size(), before.size());
        }
    }
}
