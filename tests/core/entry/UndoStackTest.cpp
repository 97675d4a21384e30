#include "core/entry/UndoStack.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tq;

namespace {
ClassList classOf(int n)
{
    ClassList c;
    for (int i = 0; i < n; ++i)
        c.push_back(newStudentRecord("ENG2D1-01", std::to_string(100000000 + i), "Last", "First", "F", ""));
    return c;
}
} // namespace

TEST(UndoStack, GivesBackWholeRecordsLatestFirst)
{
    ClassList c = classOf(3);
    UndoStack undo;
    c[1].mark = "60";
    undo.push(c[1], 1);
    c[1].mark = "75";
    c[1].hasFreeForm = true;
    undo.push(c[2], 2);
    c[2].comment1 = "0101";
    ASSERT_EQ(undo.size(), 2u);

    std::optional<UndoneChange> done = undo.undoLatest(c);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->shown, 2);
    EXPECT_EQ(done->students, std::vector<int>{2});
    EXPECT_EQ(c[2].comment1, "");
    done = undo.undoLatest(c);
    ASSERT_TRUE(done);
    EXPECT_EQ(c[1].mark, "60");
    EXPECT_FALSE(c[1].hasFreeForm);
    EXPECT_TRUE(undo.empty());
    EXPECT_FALSE(undo.undoLatest(c));
}

TEST(UndoStack, TheFiveHundredAndFirstChangeForgetsTheOldest)
{
    ClassList c = classOf(1);
    UndoStack undo;
    for (int i = 0; i <= 500; ++i) {
        c[0].mark = std::to_string(i);
        undo.push(c[0], 0);
    }
    EXPECT_EQ(undo.size(), UndoStack::capacity);
    while (undo.undoLatest(c)) {
    }
    EXPECT_EQ(c[0].mark, "1"); // "0" was dropped, the newest change was kept
}

TEST(UndoStack, AnEntryFollowsItsStudentAndNeverReachesAnotherClass)
{
    ClassList before = classOf(3);
    before[2].courseCode = "ENG2D1-02";
    UndoStack undo;
    undo.push(before[0], 0);
    before[2].mark = "88";
    undo.push(before[2], 2);

    // Sorted meanwhile (as saving does): the entry finds its student at the new place.
    ClassList sorted{before[2], before[1], before[0]};
    sorted[0].mark = "90";
    std::optional<UndoneChange> done = undo.undoLatest(sorted);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->shown, 0);
    EXPECT_EQ(sorted[0].mark, "88");
    // The same number in another course is another student.
    sorted[2].courseCode = "ENG2D1-02";
    EXPECT_FALSE(undo.undoLatest(sorted));
    EXPECT_TRUE(undo.empty());

    // Another class: nothing applies and nothing stays.
    undo.push(before[0], 0);
    undo.push(before[1], 1);
    ClassList other = classOf(2);
    for (StudentRecord& s : other)
        s.studentNumber = "9" + s.studentNumber.substr(1);
    const ClassList untouched = other;
    EXPECT_FALSE(undo.undoLatest(other));
    EXPECT_EQ(other, untouched);
    EXPECT_TRUE(undo.empty());
}

TEST(UndoStack, AHeadingClickIsOneStepThatGivesEveryFlagBack)
{
    ClassList c = classOf(4);
    c[0].iep = "Y";
    c[2].eld = "Y";
    c[3].esl = "Y";
    UndoStack undo;
    // ESL on for all also clears ELD: both come back with one undo.
    undo.pushClassFlags(c, StudentFlag::Esl, true);
    setFlagForClass(c, StudentFlag::Esl, true);
    ASSERT_EQ(undo.size(), 1u);
    c[1].mark = "70"; // a later, unrecorded change of another field stays
    std::optional<UndoneChange> done = undo.undoLatest(c);
    ASSERT_TRUE(done);
    EXPECT_EQ(done->shown, -1);
    EXPECT_EQ(done->students, (std::vector<int>{0, 1, 2})); // student 3 had ESL already
    EXPECT_EQ(c[0].iep + c[0].esl + c[0].eld, "Y");
    EXPECT_EQ(c[1].esl + c[1].eld, "");
    EXPECT_EQ(c[2].esl + c[2].eld, "Y");
    EXPECT_EQ(c[2].eld, "Y");
    EXPECT_EQ(c[3].esl, "Y");
    EXPECT_EQ(c[1].mark, "70");

    // A click that changes no student records nothing.
    undo.pushClassFlags(c, StudentFlag::Interview, false);
    EXPECT_TRUE(undo.empty());
}

// Every kind of step: undo gives the class back as it was before the change, redo as it was after
// it, both with the step's words, and the step can be undone again after its redo.
struct StepCase {
    const char* name;
    std::function<void(UndoStack&, ClassList&)> change; // records the step, then makes the change
    const char* words;
    int shown; // the student undo and redo show
};

class UndoStackSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(UndoStackSteps, RedoPutsBackWhatUndoTookAway)
{
    ClassList c = classOf(3);
    c[1].lastName = "Zhou";
    c[1].firstName = "Samuel";
    const ClassList before = c;
    UndoStack undo;
    GetParam().change(undo, c);
    const ClassList after = c;
    ASSERT_NE(after, before);

    for (int round = 0; round < 2; ++round) {
        std::optional<UndoneChange> done = undo.undoLatest(c);
        ASSERT_TRUE(done);
        EXPECT_EQ(done->description, GetParam().words);
        EXPECT_EQ(done->shown, GetParam().shown);
        EXPECT_TRUE(undo.empty());
        EXPECT_EQ(undo.redoSize(), 1u);
        done = undo.redoLatest(c);
        ASSERT_TRUE(done);
        EXPECT_EQ(done->description, GetParam().words);
        EXPECT_FALSE(undo.canRedo());
        EXPECT_EQ(undo.size(), 1u);
        EXPECT_EQ(c[1], after[1]);
        EXPECT_EQ(c[2], after[2]);
    }
    undo.undoLatest(c);
    EXPECT_EQ(c[1], before[1]);
    EXPECT_EQ(c[2], before[2]);
    // A new change forgets what could be redone.
    undo.push(c[2], 2);
    EXPECT_FALSE(undo.canRedo());
    EXPECT_FALSE(undo.redoLatest(c));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UndoStackSteps,
    ::testing::Values(
        StepCase{"Mark",
                 [](UndoStack& u, ClassList& c) {
                     u.push(c[1], 1);
                     c[1].mark = "75";
                     c[1].comment1 = "0103"; // an initial value the mark brought
                 },
                 "a mark for Zhou Samuel", 1},
        StepCase{"PastedMarks",
                 [](UndoStack& u, ClassList& c) {
                     u.pushStudents(c, {1, 2}, describeMarks(2, "pasted"));
                     c[1].mark = "70";
                     c[2].mark = "71";
                 },
                 "2 pasted marks", -1},
        StepCase{"FlagHeading",
                 [](UndoStack& u, ClassList& c) {
                     c[0].eld = "Y";
                     u.pushClassFlags(c, StudentFlag::Esl, true);
                     setFlagForClass(c, StudentFlag::Esl, true);
                 },
                 "ESL set for the class", -1},
        StepCase{"Update",
                 [](UndoStack& u, ClassList& c) {
                     u.pushWholeClass(c);
                     c[1].mark = "88";
                     c.erase(c.begin() + 2);
                     c.push_back(newStudentRecord("ENG2D1-01", "300000000", "New", "One", "M", ""));
                 },
                 "an update", 0}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });
