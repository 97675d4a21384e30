#include "core/classdata/ClassUpdate.h"
#include "core/classdata/MasterFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {
std::string line(const std::string& last, const std::string& first, const std::string& number,
                 const std::string& codes)
{
    return last + "," + first + ",M," + number + ",x,x,x,NEW8,x,x,x,x,x,x," + codes;
}

StudentRecord entered(const std::string& course, const std::string& number, const std::string& last)
{
    StudentRecord s = newStudentRecord(course, number, last, "Old", "F", "OLD8");
    s.mark = "77";
    s.comment2 = "0102";
    s.skill(6) = "1";
    s.esl = "Y";
    s.hasFreeForm = true;
    s.freeFormComment = "Kept, word for word.";
    s.interview = "Y";
    return s;
}

class ClassUpdate : public ::testing::Test {
protected:
    TempDir dir;
    std::string master = dir.write(
        "TQStudentInfo.txt",
        crlfLines({"header", line("Adams", "New", "111", "ENG-01"), line("Brown", "Bea", "222", "ENG-02"),
                   line("Cole", "Cy", "333", "ENG-01"), line("Cole", "Cy", "333", "ENG-01")}));
    void SetUp() override { settleFile(master); }
};
} // namespace

TEST_F(ClassUpdate, KeepsEntriesAddsNewcomersAndDropsLeavers)
{
    ClassList c{entered("ENG-01", "111", "Adamz"), entered("ENG-01", "222", "Brown"),
                entered("ENG-01", "333", "Cole"), entered("ENG-02", "999", "Gone")};
    const ClassUpdateResult r = updateClassFromMaster(c, master, systemClock(), 101, 101);
    ASSERT_FALSE(r.failed);
    ASSERT_EQ(c.size(), 4u);
    // Adams keeps every entry, gender and column 8 from the class; the name is the master's.
    StudentRecord expected = entered("ENG-01", "111", "Adams");
    expected.firstName = "New";
    EXPECT_EQ(c[0], expected);
    // Brown moved to section 02: dropped under 01, added under 02 with empty entries.
    EXPECT_EQ(c[1], newStudentRecord("ENG-02", "222", "Brown", "Bea", "M", "NEW8"));
    // Two master lines for the same student and code: two records, both with the entries.
    EXPECT_EQ(c[2].mark, "77");
    EXPECT_EQ(c[3].mark, "77");
    ASSERT_EQ(r.addedStudents.size(), 1u);
    EXPECT_EQ(r.addedStudents[0].studentNumber, "222");
    ASSERT_EQ(r.droppedStudents.size(), 2u);
    EXPECT_EQ(r.droppedStudents[0].lastName, "Brown");
    EXPECT_EQ(r.droppedStudents[1].lastName, "Gone");
    EXPECT_EQ(c[1].courseCode, "ENG-02");
    // The student the teacher was on is found again by course and number under the corrected name.
    EXPECT_EQ(findStudent(c, entered("ENG-01", "111", "Adamz")), 0);
}

TEST_F(ClassUpdate, FailuresLeaveTheClassExactlyAsItWas)
{
    const ClassList before{entered("ENG-01", "999", "Zed"), entered("ENG-02", "888", "Amy")};
    ClassList c = before;

    ClassUpdateResult tooOld = updateClassFromMaster(c, master, [] { return std::time(nullptr) + 31 * 86400; }, 101, 101);
    EXPECT_TRUE(tooOld.failed);
    EXPECT_EQ(tooOld.message->text.substr(0, 41), "TQ4: The Trillium class data file is 31 d");
    EXPECT_NE(tooOld.message->text.find("contact the Tallyquill"), std::string::npos);
    EXPECT_EQ(tooOld.message->title, "Trillium Class File Too Old");
    EXPECT_EQ(c, before);

    ClassUpdateResult missing = updateClassFromMaster(c, dir.file("gone.txt"), systemClock(), 101, 101);
    EXPECT_TRUE(missing.failed);
    EXPECT_EQ(missing.message->text, "TQ5: You need to be at school to have access to the current student info.");
    EXPECT_EQ(c, before);

    // Two dropped students do not fit a list of one; four added do not fit a list of two.
    EXPECT_TRUE(updateClassFromMaster(c, master, systemClock(), 101, 1).failed);
    EXPECT_TRUE(updateClassFromMaster(c, master, systemClock(), 2, 101).failed);
    EXPECT_EQ(c, before);
}

TEST_F(ClassUpdate, AnEmptyClassReadsNothing)
{
    ClassList c;
    const ClassUpdateResult r = updateClassFromMaster(c, dir.file("gone.txt"), systemClock(), 0, 0);
    EXPECT_FALSE(r.failed);
    EXPECT_FALSE(r.message);
    EXPECT_TRUE(c.empty());
}

TEST(ClassCourseCodes, DistinctInOrderOfFirstOccurrence)
{
    ClassList c{newStudentRecord("B", "1", "", "", "", ""), newStudentRecord("A", "2", "", "", "", ""),
                newStudentRecord("B", "3", "", "", "", "")};
    EXPECT_EQ(classCourseCodes(c), (std::vector<std::string>{"B", "A"}));
}
