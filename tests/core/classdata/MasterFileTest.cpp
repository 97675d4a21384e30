#include "core/classdata/MasterFile.h"
#include "support/LocalTime.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {
const std::string header = "Last,First,Gender,Number,a,b,c,Homeroom,d,e,f,g,h,i,Classes";

std::string masterLine(const std::string& last, const std::string& first, const std::string& number,
                       const std::string& codes, const std::string& col8 = "10A")
{
    return last + "," + first + ",F," + number + ",x,x,x," + col8 + ",x,x,x,x,x,x," + codes;
}

// A clock `days` calendar days after now, at the same time of day.
Clock daysFromNow(int days)
{
    const std::time_t t = std::time(nullptr) + static_cast<std::time_t>(days) * 86400;
    return [t] { return t; };
}
} // namespace

TEST(MasterFileFields, ClassCodesAreTheFifteenthFieldAndWordsSplitOnSpaces)
{
    EXPECT_EQ(masterClassCodes(masterLine("\"Smith, Jr.\"", "Al", "1", "ENG2D1-01  MPM2D1-02")),
              "ENG2D1-01  MPM2D1-02");
    EXPECT_EQ(masterClassCodes("too,few,fields"), "");
    std::string words = "  A1   B2 C3 ";
    EXPECT_EQ(nextWord(words), "A1"); // the rest is trimmed again, so runs of spaces give no empty word
    EXPECT_EQ(nextWord(words), "B2");
    EXPECT_EQ(nextWord(words), "C3");
    EXPECT_EQ(words, "");
}

TEST(MasterFileFields, ExcludedCodesAreCaseSensitive)
{
    for (const char* code : {"LUNCH", "LUNCH2", "SH1A", "Z", "ZGYM"})
        EXPECT_TRUE(isExcludedClassCode(code)) << code;
    for (const char* code : {"sh1x", "LUNC", "lunch", "zgym", "ASH1"})
        EXPECT_FALSE(isExcludedClassCode(code)) << code;
}

TEST(CalendarDays, CountsDateBoundariesNotHours)
{
    EXPECT_EQ(calendarDaysBetween(localTime(2026, 3, 1, 23, 59), localTime(2026, 3, 2, 0, 1)), 1);
    EXPECT_EQ(calendarDaysBetween(localTime(2026, 3, 2, 0, 1), localTime(2026, 3, 2, 23, 59)), 0);
    EXPECT_EQ(calendarDaysBetween(localTime(2026, 1, 31, 12, 0), localTime(2026, 3, 2, 12, 0)), 30);
    EXPECT_EQ(calendarDaysBetween(localTime(2026, 1, 31, 23, 59), localTime(2026, 3, 3, 0, 0)), 31);
}

TEST(MasterFileAge, ThirtyDaysAcceptedThirtyOneRefusedWithTQ9)
{
    TempDir dir;
    const std::string path = dir.write("TQStudentInfo.txt", crlfLines({header, masterLine("Doe", "Jo", "1", "A1")}));
    EXPECT_EQ(masterFileAge(path, daysFromNow(0)), 0);
    const ClassCodeList ok = readClassCodeList(path, daysFromNow(30));
    EXPECT_FALSE(ok.message);
    EXPECT_EQ(ok.codes, std::vector<std::string>{"A1"});
    const ClassCodeList old = readClassCodeList(path, daysFromNow(31));
    ASSERT_TRUE(old.message);
    EXPECT_EQ(old.message->text, "TQ9: The Trillium class data file is 31 days old. A more recent copy needs to be "
                                 "created. \r\nPlease contact your Tallyquill Administrator in your school.");
    EXPECT_EQ(old.message->title, "Your Trillium Class File is Too Old!");
    EXPECT_FALSE(old.message->endsProgram);
    EXPECT_TRUE(old.codes.empty());
}

TEST(MasterFileCodes, SortedUniqueWithoutExclusionsAndHeaderSkipped)
{
    TempDir dir;
    const std::string path = dir.write(
        "m.txt", crlfLines({masterLine("Head", "Er", "0", "HEADER1"),
                            masterLine("Doe", "Jo", "1", "MPM2D1-02 LUNCH1 ENG2D1-01 ZGYM"),
                            masterLine("\"Ray, Jr.\"", "Al", "2", "ENG2D1-01 SH1A sh1x ENG2D1-011"),
                            ""}));
    const ClassCodeList list = readClassCodeList(path, systemClock());
    EXPECT_FALSE(list.message);
    EXPECT_EQ(list.codes, (std::vector<std::string>{"ENG2D1-01", "ENG2D1-011", "MPM2D1-02", "sh1x"}));
}

TEST(MasterFileCodes, EmptyUnreadableOrOverfullFilesGiveTheirMessages)
{
    TempDir dir;
    const ClassCodeList onlyHeader = readClassCodeList(dir.write("h.txt", crlfLines({header})), systemClock());
    ASSERT_TRUE(onlyHeader.message);
    EXPECT_EQ(onlyHeader.message->text.substr(0, 6), "TQ10a:");
    EXPECT_TRUE(onlyHeader.message->endsProgram);
    EXPECT_EQ(onlyHeader.message->title, "Tallyquill");

    const ClassCodeList missing = readClassCodeList(dir.file("none.txt"), systemClock());
    ASSERT_TRUE(missing.message);
    EXPECT_EQ(missing.message->text, masterUnreadableMessage().text);
    EXPECT_FALSE(missing.message->endsProgram);
    EXPECT_NE(missing.message->text.find("\r\n\r\nIf you are running"), std::string::npos);

    std::string many = header + "\r\n";
    for (int i = 0; i < 2001; ++i)
        many += masterLine("S", "T", std::to_string(i), "C" + std::to_string(i)) + "\r\n";
    EXPECT_EQ(readClassCodeList(dir.write("full.txt", many), systemClock()).codes.size(), 2001u);
    many += masterLine("S", "T", "x", "C-extra") + "\r\n";
    EXPECT_EQ(readClassCodeList(dir.write("over.txt", many), systemClock()).message->text.substr(0, 6), "TQ10b:");
}

TEST(MasterFileMembers, SubstringMembershipInFileThenCodeOrder)
{
    TempDir dir;
    const std::string path = dir.write(
        "m.txt", crlfLines({header, masterLine("Doe", "Jo", "111111111", "MPM2D1-02 ENG2D1-01", "9B"),
                            masterLine("\"Ray, Jr.\"", "Al", "222222222", "ENG2D1-011"),
                            masterLine("Kay", "Bo", "333333333", "SNC2D1-01")}));
    const std::optional<ClassList> students = readMasterStudents(path, {"ENG2D1-01", "MPM2D1-02"});
    ASSERT_TRUE(students);
    ASSERT_EQ(students->size(), 3u);
    EXPECT_EQ((*students)[0].courseCode, "ENG2D1-01");
    EXPECT_EQ((*students)[1].courseCode, "MPM2D1-02");
    EXPECT_EQ((*students)[1].masterColumn8, "9B");
    EXPECT_EQ((*students)[1].skillSelfRegulation, "3");
    EXPECT_EQ((*students)[2].lastName, "Ray, Jr.");
    EXPECT_EQ((*students)[2].courseCode, "ENG2D1-01"); // found inside the longer code
    EXPECT_FALSE(readMasterStudents(path, {"ENG2D1-01"}, 1));
    EXPECT_FALSE(readMasterStudents(dir.file("none.txt"), {"A"}));
}

TEST(MasterFileCodes, CodesAlikeInTheirFirstBytesStayApart)
{
    // Codes that differ only after their eighth or sixteenth byte, codes that are prefixes of
    // others, and a code at the very end of the file with no line end after it.
    const std::string first = "ENG2D1-01 ENG2D1-0 ENG2D1-011 ENG2D1-01-HONOURS-A ENG2D1-01-HONOURS-B";
    std::string text = header + "\r\n" + masterLine("A", "A", "1", first) + "\r\n" +
                       masterLine("B", "B", "2", "ENG2D1-01-HONOURS-A ENG2D1-01 E") + "\r\n" +
                       masterLine("C", "C", "3", "ENG2D1-01-HONOURS-C");
    const std::vector<std::string> expected{"E", "ENG2D1-0", "ENG2D1-01", "ENG2D1-01-HONOURS-A",
                                            "ENG2D1-01-HONOURS-B", "ENG2D1-01-HONOURS-C", "ENG2D1-011"};
    EXPECT_EQ(classCodesFromMasterText(text).codes, expected);
    text += " X";
    EXPECT_EQ(classCodesFromMasterText(text).codes.back(), "X");
}

TEST(MasterFileMembers, ACodeIsFoundWhereverItStandsAndOnlyWhole)
{
    const std::string text = header + "\r\n" + masterLine("A", "A", "1", "EENG2D1-01X") + "\r\n" +
                              masterLine("B", "B", "2", "ENG2D1-02 ENG2D1-0") + "\r\n" +
                              masterLine("C", "C", "3", "MPM2D1 ENG2D1-01") + "\r\n" +
                              masterLine("D", "D", "4", "ENG2D1-0,1");
    auto lastNames = [&](const std::vector<std::string>& codes) {
        std::vector<std::string> names;
        for (const StudentRecord& s : masterStudentsFromText(text, codes).value_or(ClassList()))
            names.push_back(s.lastName);
        return names;
    };
    EXPECT_EQ(lastNames({"ENG2D1-01"}), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(lastNames({"ENG2D1-0"}), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(lastNames({"MPM2D1"}), std::vector<std::string>{"C"});
    EXPECT_EQ(lastNames({"ENG2D1-01-LONGER-THAN-THE-LINE-ITSELF"}), std::vector<std::string>{});
}

TEST(MasterFileLocation, NameMatchedWithoutRegardToCase)
{
    TempDir dir;
    EXPECT_EQ(masterFilePath(dir.path()), dir.file("TQStudentInfo.txt"));
    dir.write("TQStudentinfo.TXT", "x");
    EXPECT_EQ(masterFilePath(dir.path()), dir.file("TQStudentinfo.TXT"));
    EXPECT_EQ(masterFilePath(dir.file("missing")), dir.file("missing") + "/TQStudentInfo.txt");
}

TEST(MasterFileCodes, OddFilesFromASpreadsheetOrADamagedCopy)
{
    // "CSV UTF-8" from a spreadsheet: the mark sits on the header, the accents are converted.
    const ClassCodeList utf8 = classCodesFromMasterText(decodedText(
        "\xEF\xBB\xBF" + header + "\r\n" + masterLine("B\xc3\xa9lair", "Al", "1", "FR\xc3\x89" "1") + "\r\n"));
    EXPECT_EQ(utf8.codes, std::vector<std::string>{"FR\xc9" "1"});
    // A megabyte of one code repeated: one code, and read in linear time.
    std::string many;
    for (int i = 0; i < 250000; ++i)
        many += "ENG2D1-01 ";
    const ClassCodeList repeated = classCodesFromMasterText(header + "\r\n" + masterLine("Doe", "Jo", "1", many));
    EXPECT_EQ(repeated.codes, std::vector<std::string>{"ENG2D1-01"});
    // NUL bytes and lone CRs: lines like any other, the class codes still found.
    const ClassCodeList damaged = classCodesFromMasterText(
        header + "\r" + std::string(40, '\0') + "\r" + masterLine("Doe", "Jo", "1", "MPM2D1-02") + "\r");
    EXPECT_EQ(damaged.codes, std::vector<std::string>{"MPM2D1-02"});
    // Nothing at all, not even the header: unreadable rather than without codes.
    EXPECT_EQ(classCodesFromMasterText("").message->text, masterUnreadableMessage().text);
}

TEST(MasterFileReaders, ALineTheStudentReaderRefusesAlsoRefusesTheCodeList)
{
    // A quoted field that never closes, before or in the class codes: the master file cannot be
    // read. If the code list went on without the line, every Get Class would then end in TQ10b.
    const std::string good = masterLine("Doe", "Jo", "1", "ENG2D1-01");
    for (const std::string& bad : {masterLine("\"Smith, Jr.", "Al", "2", "ENG2D1-01"),
                                   masterLine("Lee", "Al", "3", "ENG2D1-01", "\"10A"),
                                   masterLine("Lee", "Al", "4", "\"ENG2D1-01 MPM2D1-02")}) {
        const std::string text = header + "\r\n" + good + "\r\n" + bad + "\r\n";
        SCOPED_TRACE(bad);
        const ClassCodeList list = classCodesFromMasterText(text);
        ASSERT_TRUE(list.message);
        EXPECT_EQ(list.message->text, masterUnreadableMessage().text);
        EXPECT_TRUE(list.codes.empty());
    }
    // A well-quoted name is no fault: both read the file.
    const std::string quoted = masterLine("\"Smith, Jr.\"", "Al", "2", "ENG2D1-01");
    const std::string text = header + "\r\n" + good + "\r\n" + quoted + "\r\n";
    EXPECT_EQ(classCodesFromMasterText(text).codes, std::vector<std::string>{"ENG2D1-01"});
    const std::optional<ClassList> students = masterStudentsFromText(text, {"ENG2D1-01"});
    ASSERT_TRUE(students);
    EXPECT_EQ(students->size(), 2u);
}
