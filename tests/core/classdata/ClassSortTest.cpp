#include "core/classdata/ClassSort.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
StudentRecord student(const std::string& course, const std::string& last, const std::string& first,
                      const std::string& mark, const std::string& number = "")
{
    StudentRecord s = newStudentRecord(course, number, last, first, "F", "");
    s.mark = mark;
    return s;
}

std::vector<std::string> numbers(const ClassList& c)
{
    std::vector<std::string> n;
    for (const StudentRecord& s : c)
        n.push_back(s.studentNumber);
    return n;
}
} // namespace

TEST(SortByName, ByteOrderLastThenFirstAndStable)
{
    ClassList c{student("A", "smith", "al", "", "1"),  student("A", "Smith", "Bo", "", "2"),
                student("A", "Smith", "Al", "", "3"),  student("A", "Smit", "Zed", "", "4"),
                student("A", "\xc9mile", "X", "", "5"), student("A", "Smith", "Al", "", "6")};
    sortByName(c);
    // Capitals before small letters, a prefix first, accented (high) bytes last, equal names keep order.
    EXPECT_EQ(numbers(c), (std::vector<std::string>{"4", "3", "6", "2", "1", "5"}));
    const ClassList sorted = c;
    sortByName(c);
    EXPECT_EQ(c, sorted);
}

TEST(SortByMark, NumericDescendingWithNonNumbersTyingAtZero)
{
    ClassList c{student("A", "a", "", "", "1"),    student("A", "b", "", "9", "2"),
                student("A", "c", "", "85", "3"),  student("A", "d", "", "I", "4"),
                student("A", "e", "", "85.0", "5"), student("A", "f", "", "0", "6"),
                student("A", "g", "", "100", "7"), student("A", "h", "", "-5", "8")};
    sortByMark(c);
    EXPECT_EQ(numbers(c), (std::vector<std::string>{"7", "3", "5", "2", "1", "4", "6", "8"}));
}

TEST(SortByCourse, CourseThenNameKeepsWholeRecords)
{
    ClassList c{student("MPM2D1-02", "Young", "A", "70", "1"), student("ENG2D1-01", "Zed", "B", "60", "2"),
                student("ENG2D1-01", "Abe", "C", "50", "3"), student("MPM2D1-02", "Abe", "D", "40", "4")};
    c[1].comment1 = "0101";
    sortByCourse(c);
    EXPECT_EQ(numbers(c), (std::vector<std::string>{"3", "2", "4", "1"}));
    EXPECT_EQ(c[1].comment1, "0101");
    EXPECT_EQ(c[1].mark, "60");
}

TEST(Sorts, EmptyAndSingleClassesAreUnchanged)
{
    ClassList none;
    sortByName(none);
    sortByMark(none);
    sortByCourse(none);
    EXPECT_TRUE(none.empty());
    ClassList one{student("A", "x", "y", "5", "1")};
    sortByMark(one);
    EXPECT_EQ(numbers(one), std::vector<std::string>{"1"});
}
