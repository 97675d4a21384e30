#include "core/classdata/CsvText.h"
#include "core/export/ExportFile.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
PhraseLibrary library()
{
    return PhraseLibrary({{"0101", "@ works hard, and well", "1"}, {"0102", "# notes are neat", "1"}});
}

StudentRecord student()
{
    StudentRecord s = newStudentRecord("SCH3U1-01", "123456789", "Ames", "Kim", "F", "11A");
    s.mark = "87";
    s.comment1 = "0101";
    s.comment3 = "0102";
    // R O W C I S, written as W, O, I and then R, C, S.
    s.skillResponsibility = "1";
    s.skillOrganization = "2";
    s.skillIndependentWork = "3";
    s.skillCollaboration = "4";
    s.skillInitiative = "1";
    s.skillSelfRegulation = "2";
    return s;
}

std::vector<std::string> fieldsOf(std::string_view line)
{
    std::vector<std::string> fields;
    while (!line.empty())
        fields.push_back(nextCsvField(line).value_or("?"));
    return fields;
}
} // namespace

TEST(ExportFile, WritesTheTwentyFourFieldsInTrilliumOrder)
{
    EXPECT_EQ(exportLine(student(), library()),
              "SCH3U1-01,Ames,Kim,123456789,,F,11A,0,,87,0,0,G,,S,,N,,"
              "\"Kim works hard, and well. Her notes are neat. \",N,E,S,0,0");
}

TEST(ExportFile, TheStudentNumberIsWrittenAsStored)
{
    StudentRecord s = student();
    for (const char* number : {"1234567890", "12345678"}) {
        s.studentNumber = number;
        EXPECT_EQ(fieldsOf(exportLine(s, library()))[3], number);
    }
}

TEST(ExportFile, FlagsBecomeTheirTrilliumValues)
{
    StudentRecord s = student();
    s.iep = "Y";
    s.esl = "Y";
    s.eld = "Y";
    s.interview = "Y";
    std::vector<std::string> f = fieldsOf(exportLine(s, library()));
    EXPECT_EQ(f[7], "1");
    EXPECT_EQ(f[8], "ESL"); // both programmes: ESL wins
    EXPECT_EQ(f[22], "1");

    s.esl.clear();
    s.interview = "N"; // anything but "Y" is no interview
    f = fieldsOf(exportLine(s, library()));
    EXPECT_EQ(f[8], "ELD");
    EXPECT_EQ(f[22], "0");
}

TEST(ExportFile, AFreeFormCommentIsWrittenAsItIsWithoutItsScreenTag)
{
    StudentRecord s = student();
    s.hasFreeForm = true;
    s.freeFormComment = "Kim, a keen reader, leads; others follow.";
    const std::vector<std::string> f = fieldsOf(exportLine(s, library()));
    ASSERT_EQ(f.size(), 24u); // the commas inside the quotes do not split the comment
    EXPECT_EQ(f[18], s.freeFormComment);
    EXPECT_EQ(f[19], "N");
}

TEST(ExportFile, ANameWithACommaIsQuotedSoTheFieldsStayInPlace)
{
    StudentRecord s = student();
    s.lastName = "Smith, Jr.";
    const std::string line = exportLine(s, library());
    EXPECT_TRUE(line.starts_with("SCH3U1-01,\"Smith, Jr.\",Kim,123456789,,F,"));
    const std::vector<std::string> f = fieldsOf(line);
    ASSERT_EQ(f.size(), 24u);
    EXPECT_EQ(f[1], "Smith, Jr.");
}
