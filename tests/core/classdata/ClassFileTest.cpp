#include "core/classdata/ClassFile.h"
#include "core/classdata/CsvText.h"
#include "support/SaveFaults.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tq;
using namespace tq::test;

namespace {
StudentRecord sampleStudent()
{
    StudentRecord s = newStudentRecord("ENG2D1-01", "123456789", "Nguyen", "Linh", "F", "10A");
    s.mark = "87";
    s.comment1 = "0101";
    s.comment3 = "0230";
    s.skill(2) = "4";
    s.skill(4) = "";
    s.iep = "Y";
    s.eld = "Y";
    s.interview = "Y";
    return s;
}

const std::string sampleLine =
    "ENG2D1-01,Nguyen,Linh,123456789,F,10A,1,,Y,87,,,G,E,G,0,G,G,,0101,,0230,,,Y,False,";

ClassList read(const std::string& path)
{
    auto result = readClassFile(path);
    if (auto* m = std::get_if<Message>(&result))
        ADD_FAILURE() << m->text;
    return std::holds_alternative<ClassList>(result) ? std::get<ClassList>(result) : ClassList{};
}

std::string readMessage(const std::string& path)
{
    auto result = readClassFile(path);
    return std::holds_alternative<Message>(result) ? std::get<Message>(result).text : "(read)";
}
} // namespace

TEST(ValueConverters, MapBothWaysAndRejectEverythingElse)
{
    const std::pair<const char*, const char*> pairs[] = {{"1", "N"}, {"2", "S"}, {"3", "G"},
                                                        {"4", "E"}, {"", "0"},  {"Y", "1"}};
    for (auto [code, letter] : pairs) {
        EXPECT_EQ(skillCodeToLetter(code), letter);
        EXPECT_EQ(skillLetterToCode(letter), code);
    }
    EXPECT_EQ(skillCodeToLetter("5"), "");
    EXPECT_EQ(skillCodeToLetter("y"), "");
    EXPECT_EQ(skillLetterToCode("g"), ""); // case-sensitive
    EXPECT_EQ(skillLetterToCode("X"), "");
}

TEST(ClassFileBaseName, KeepsOnlyLettersAndDigits)
{
    EXPECT_EQ(classFileBaseName("ENG2D1-01"), "ENG2D101");
    EXPECT_EQ(classFileBaseName("mpm 2d/é1"), "mpm2d1");
    EXPECT_EQ(classFileBaseName("--/.."), "");
    EXPECT_EQ(classFileBaseName(""), "");
}

TEST(ClassFileWriter, WritesTheTwentySevenFieldsInOrder)
{
    EXPECT_EQ(classFileLine(sampleStudent()), sampleLine);
    StudentRecord s = sampleStudent();
    s.hasFreeForm = true;
    s.freeFormComment = "Works hard, asks questions, and helps others.";
    EXPECT_EQ(classFileLine(s), sampleLine.substr(0, sampleLine.size() - 7) + ",True,Works hard, asks questions, and helps others.");
    EXPECT_EQ(classFileText({sampleStudent(), sampleStudent()}), sampleLine + "\r\n" + sampleLine + "\r\n");
}

TEST(ClassFileWriter, StudentNumbersAreWrittenAsStored)
{
    // A number of another length must come back unchanged, or it no longer matches the master
    // list and the update drops the student with every entry the teacher made.
    StudentRecord s = sampleStudent();
    for (const char* number : {"123456789", "1234567890", "12345678", "12345", ""}) {
        s.studentNumber = number;
        const auto read = parseClassFileText(classFileLine(s) + "\r\n");
        ASSERT_TRUE(std::holds_alternative<ClassList>(read)) << number;
        EXPECT_EQ(std::get<ClassList>(read).front().studentNumber, number);
    }
    // The grid still shows a nine-digit number in three groups.
    EXPECT_EQ(formatStudentNumber("123456789"), "123-456-789");
}

TEST(ClassFileRoundTrip, EveryFieldSurvivesSaveAndOpen)
{
    TempDir dir;
    StudentRecord free = sampleStudent();
    free.lastName = "Zhou";
    free.hasFreeForm = true;
    free.freeFormComment = "A comment, with commas, that ends in a comma,";
    StudentRecord blank = newStudentRecord("MPM2D1-02", "987654321", "Smith, Jr.", "Al", "M", "");
    for (int k = 1; k <= skillCount; ++k)
        blank.skill(k) = "";
    const ClassList written{sampleStudent(), free, blank};
    ASSERT_TRUE(saveClassFile(dir.file("c.tqc"), written));
    EXPECT_EQ(read(dir.file("c.tqc")), written);
}

TEST(ClassFileRoundTrip, GoldenFileIsReproducedByteForByte)
{
    const std::string golden = dataFile("golden.tqc");
    const ClassList students = read(golden);
    ASSERT_EQ(students.size(), 4u);
    EXPECT_EQ(students[2].lastName, "O\xe9 Gr\xe2" "ce"); // Windows-1252 bytes pass through
    EXPECT_TRUE(students[3].hasFreeForm);
    EXPECT_EQ(classFileText(students), readBytes(golden));
}

TEST(ClassFileRoundTrip, OnlyANameWithACommaIsQuoted)
{
    StudentRecord s = sampleStudent();
    s.lastName = "Smith, Jr.";
    EXPECT_EQ(classFileLine(s).substr(0, 24), "ENG2D1-01,\"Smith, Jr.\",L");
}

TEST(ClassFileReader, AcceptsLfAndMissingTrailingFields)
{
    TempDir dir;
    // 25 commas: the free-form comment is missing entirely.
    const std::string shortLine = "C1,Doe,Jo,111222333,M,,0,,,70,,,G,G,G,G,G,G,,0101,,,,,,True";
    const ClassList students = read(dir.write("lf.tqc", sampleLine + "\n" + shortLine + "\n"));
    ASSERT_EQ(students.size(), 2u);
    EXPECT_EQ(students[1].freeFormComment, "");
    EXPECT_TRUE(students[1].hasFreeForm);
    EXPECT_EQ(students[1].iep, "");
    EXPECT_EQ(students[0].iep, "Y");
}

TEST(ClassFileReader, FieldTwentySixTakesTrueFalseOrANumber)
{
    TempDir dir;
    const std::string head = sampleLine.substr(0, sampleLine.size() - 7) + ",";
    EXPECT_FALSE(read(dir.write("a.tqc", head + "0,x\r\n"))[0].hasFreeForm);
    EXPECT_TRUE(read(dir.write("b.tqc", head + "-1,x\r\n"))[0].hasFreeForm);
    EXPECT_TRUE(read(dir.write("c.tqc", head + "true,x\r\n"))[0].hasFreeForm);
    EXPECT_EQ(readMessage(dir.write("d.tqc", head + "Yes,x\r\n")).substr(0, 4), "TQ8:");
    EXPECT_EQ(readMessage(dir.write("e.tqc", head + ",x\r\n")).substr(0, 4), "TQ8:");
}

TEST(ClassFileReader, RefusesBadFilesWithTheirMessages)
{
    TempDir dir;
    const std::string tq8 = invalidClassFileMessage().text;
    EXPECT_EQ(tq8, "TQ8: Invalid Tallyquill Class File (Perhaps it is an .tqc file created by an earlier version "
                   "of TQ. Due to changes in Ministry reporting you must use current files with the current "
                   "version of TQ.)");
    EXPECT_EQ(readMessage(dir.write("c.TQC", sampleLine)), "TQ7: Invalid Tallyquill Class File Type");
    EXPECT_EQ(readMessage(dir.write("c.txt", sampleLine)), "TQ7: Invalid Tallyquill Class File Type");
    EXPECT_EQ(readMessage(dir.write("empty.tqc", "")), tq8);
    EXPECT_EQ(readMessage(dir.file("missing.tqc")), tq8);
    // 22 commas is too few; 23 passes the comma test but leaves field 26 empty.
    EXPECT_EQ(readMessage(dir.write("c22.tqc", std::string(22, ','))), tq8);
    EXPECT_EQ(readMessage(dir.write("c23.tqc", std::string(23, ','))), tq8);
    // An unterminated quoted field.
    EXPECT_EQ(readMessage(dir.write("q.tqc", "C1,\"Doe" + std::string(30, ','))), tq8);
    // A blank line between students.
    EXPECT_EQ(readMessage(dir.write("blank.tqc", sampleLine + "\r\n\r\n" + sampleLine + "\r\n")), tq8);
    std::filesystem::create_directory(dir.file("folder.tqc"));
    EXPECT_EQ(readMessage(dir.file("folder.tqc")), tq8);
}

TEST(ClassFileReader, HoldsAtMostFiveHundredAndOneStudents)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < maxStudents; ++i)
        text += sampleLine + "\r\n";
    EXPECT_EQ(read(dir.write("full.tqc", text)).size(), 501u);
    EXPECT_EQ(readMessage(dir.write("over.tqc", text + sampleLine + "\r\n")).substr(0, 4), "TQ8:");
}

TEST(ClassFileSave, NoFailedSaveCostsTheTeacherTheOldFile)
{
    const ClassList students{sampleStudent(), sampleStudent()};
    expectSaveSurvivesEveryFault(
        [&](const std::string& path, const ByteWriterFactory& w) { return saveClassFile(path, students, w); },
        "class.tqc", classFileText(students));
}

TEST(ClassFileReader, OddBytesFromOtherProgramsAndDisks)
{
    TempDir dir;
    const std::string tq8 = invalidClassFileMessage().text;
    // Saved again by a text editor as "UTF-8 with BOM": the mark goes, the accents come back.
    const std::string utf8Line = "ENG2D1-01,Ren\xc3\xa9" + sampleLine.substr(16);
    const ClassList fromUtf8 = read(dir.write("bom.tqc", "\xEF\xBB\xBF" + utf8Line + "\r\n"));
    ASSERT_EQ(fromUtf8.size(), 1u);
    EXPECT_EQ(fromUtf8[0].courseCode, "ENG2D1-01");
    EXPECT_EQ(fromUtf8[0].lastName, "Ren\xe9");
    // A file written on an old Mac, with a lone CR after each line.
    EXPECT_EQ(read(dir.write("cr.tqc", sampleLine + "\r" + sampleLine + "\r")).size(), 2u);
    // A USB stick pulled out during a copy leaves a run of NUL bytes: refused, not half read.
    EXPECT_EQ(readMessage(dir.write("nul.tqc", sampleLine + "\r\n" + std::string(512, '\0'))), tq8);
    // A NUL byte inside a field is only a byte, and survives a save.
    StudentRecord s = sampleStudent();
    s.firstName = std::string("Li\0nh", 5);
    ASSERT_TRUE(saveClassFile(dir.file("n.tqc"), {s}));
    EXPECT_EQ(read(dir.file("n.tqc")), ClassList{s});
}

TEST(ClassFileReader, AMegabyteFreeFormCommentAndAHugeFlagNumber)
{
    TempDir dir;
    StudentRecord s = sampleStudent();
    s.hasFreeForm = true;
    s.freeFormComment = std::string(1 << 20, 'w') + ", and more";
    ASSERT_TRUE(saveClassFile(dir.file("big.tqc"), {s}));
    EXPECT_EQ(read(dir.file("big.tqc")), ClassList{s});
    // Field 26 is a number too long for a double: non-zero all the same.
    const std::string head = sampleLine.substr(0, sampleLine.size() - 7) + ",";
    EXPECT_TRUE(read(dir.write("h.tqc", head + "1" + std::string(400, '0') + ",x\r\n"))[0].hasFreeForm);
    EXPECT_FALSE(read(dir.write("z.tqc", head + std::string(400, '0') + ",x\r\n"))[0].hasFreeForm);
}
