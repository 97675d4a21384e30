#include "core/classdata/MasterFile.h"
#include "core/classdata/NewClass.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {
std::string line(const std::string& last, const std::string& number, const std::string& codes)
{
    return last + ",Sam,M," + number + ",x,x,x,10A,x,x,x,x,x,x," + codes;
}

class NewClass : public ::testing::Test {
protected:
    TempDir dir;
    std::string master = dir.write("TQStudentInfo.txt",
                                   crlfLines({"header", line("Ames", "111", "ENG-02 ENG-01"), line("Bell", "222", "ENG-02"),
                                              line("Cole", "333", "MAT-01")}));
};
} // namespace

TEST_F(NewClass, AStudentInTwoChosenCodesComesTwiceLowerCodeFirst)
{
    const NewClassBuild b = buildNewClass(master, {"ENG-02", "ENG-01"});
    ASSERT_TRUE(b.students);
    ASSERT_EQ(b.students->size(), 3u);
    EXPECT_EQ((*b.students)[0], newStudentRecord("ENG-01", "111", "Ames", "Sam", "M", "10A"));
    EXPECT_EQ((*b.students)[1].courseCode, "ENG-02");
    EXPECT_EQ((*b.students)[2].lastName, "Bell");
    EXPECT_FALSE(b.message);
}

TEST_F(NewClass, NothingChosenIsASilentStop)
{
    const NewClassBuild b = buildNewClass(master, {""});
    EXPECT_FALSE(b.students);
    EXPECT_FALSE(b.message);
}

TEST_F(NewClass, AClassThatCannotBeBuiltGivesAMessageAndNoClass)
{
    EXPECT_EQ(buildNewClass(master, {"HIS-01"}).message, noStudentsInChosenClassesMessage());
    EXPECT_EQ(buildNewClass(dir.file("missing.txt"), {"ENG-01"}).message, masterUnreadableMessage());

    std::vector<std::string> codes;
    for (int i = 0; i < 301; ++i)
        codes.push_back("C" + std::to_string(1000 + i));
    EXPECT_EQ(buildNewClass(master, codes).message, tooManyChosenCodesMessage());
    codes.pop_back();
    codes.back() = "ENG-01"; // 300 codes are allowed
    EXPECT_TRUE(buildNewClass(master, codes).students);

    std::vector<std::string> lines{"header"};
    for (int i = 0; i < 502; ++i)
        lines.push_back(line("S" + std::to_string(i), std::to_string(100000 + i), "BIG-01"));
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    const std::string big = dir.write("big.txt", text);
    const NewClassBuild tooMany = buildNewClass(big, {"BIG-01"});
    EXPECT_FALSE(tooMany.students);
    EXPECT_EQ(tooMany.message, tooManyStudentsMessage());
    EXPECT_TRUE(tooMany.message->text.starts_with("TQ10d: "));
}
