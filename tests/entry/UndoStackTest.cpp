#include "entry/UndoStack.h"

#include <gtest/gtest.h>

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
    ASSERT_EQ(undo.size(), 2u);

    std::optional<UndoEntry> latest = undo.takeLatestFor(c);
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->studentIndex, 2);
    latest = undo.takeLatestFor(c);
    ASSERT_TRUE(latest);
    EXPECT_EQ(latest->savedRecord.mark, "60");
    EXPECT_FALSE(latest->savedRecord.hasFreeForm);
    EXPECT_TRUE(undo.empty());
    EXPECT_FALSE(undo.takeLatestFor(c));
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
    std::string oldest;
    while (std::optional<UndoEntry> e = undo.takeLatestFor(c))
        oldest = e->savedRecord.mark;
    EXPECT_EQ(oldest, "1"); // "0" was dropped, the newest change was kept
}

TEST(UndoStack, AnEntryFollowsItsStudentAndNeverReachesAnotherClass)
{
    ClassList before = classOf(3);
    before[2].courseCode = "ENG2D1-02";
    UndoStack undo;
    undo.push(before[0], 0);
    undo.push(before[2], 2);

    // Sorted meanwhile (as saving does): the entry finds its student at the new place.
    ClassList sorted{before[2], before[1], before[0]};
    std::optional<UndoEntry> e = undo.takeLatestFor(sorted);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->studentIndex, 0);
    // The same number in another course is another student.
    sorted[2].courseCode = "ENG2D1-02";
    EXPECT_FALSE(undo.takeLatestFor(sorted));
    EXPECT_TRUE(undo.empty());

    // Another class: nothing applies and nothing stays.
    undo.push(before[0], 0);
    undo.push(before[1], 1);
    ClassList other = classOf(2);
    for (StudentRecord& s : other)
        s.studentNumber = "9" + s.studentNumber.substr(1);
    EXPECT_FALSE(undo.takeLatestFor(other));
    EXPECT_TRUE(undo.empty());
}
