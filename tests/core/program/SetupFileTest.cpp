#include "core/program/ProgramState.h"
#include "core/program/SetupFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tq;
using namespace tq::test;

namespace tq {
// Failures name the values rather than dump their bytes.
void PrintTo(const SchoolSetup& s, std::ostream* os)
{
    *os << "{school \"" << s.school << "\", dataFolder \"" << s.dataFolder << "\", dictionary \"" << s.dictionary << "\"}";
}
} // namespace tq

namespace {
SchoolSetup school(const std::string& name) { return SchoolSetup{name, "", ""}; }
} // namespace

TEST(SetupFile, NothingIsSetWithoutAUsableFile)
{
    TempDir dir;
    EXPECT_EQ(readSetupFile(dir.file("TQSetup.ini")), SchoolSetup());
    EXPECT_EQ(readSetupFile(dir.path()), SchoolSetup()); // a folder
    EXPECT_EQ(readSetupFile(dir.write("empty.ini", "")), SchoolSetup());
    EXPECT_EQ(parseSetup("\r\n  \r\n\t\n"), SchoolSetup());
    EXPECT_EQ(parseSetup("\xEF\xBB\xBF"), SchoolSetup());
    EXPECT_EQ(parseSetup(std::string("\0\0\0School\0", 10)), SchoolSetup());
}

TEST(SetupFile, CommentsSectionsUnknownKeysAndMalformedLinesAreIgnored)
{
    EXPECT_EQ(parseSetup("; School=Commented Out\r\n"
                         "# School=Also Out\r\n"
                         "[Tallyquill]\r\n"
                         "Principal=Someone\r\n"
                         "School Lakeshore\r\n" // no '='
                         "=Nameless\r\n"
                         "School=Lakeshore Collegiate Institute\r\n"
                         "Schools=Wrong Key\r\n"),
              school("Lakeshore Collegiate Institute"));
    EXPECT_EQ(parseSetup("School=First\nSCHOOL=Second\n"), school("Second")) << "the later line counts";
    EXPECT_EQ(parseSetup("school=\n"), SchoolSetup()) << "an empty value sets nothing";
    EXPECT_EQ(parseSetup("School=A=B\n"), school("A=B")) << "only the first '=' separates";
}

TEST(SetupFile, SpacesAroundKeysAndValuesAndAnyLineEndAreAccepted)
{
    EXPECT_EQ(parseSetup("  \t School \t=\t  Lakeshore   Collegiate  \t\r\n"), school("Lakeshore   Collegiate"));
    EXPECT_EQ(parseSetup("School=\"Quoted\"\r"), school("Quoted"));
    EXPECT_EQ(parseSetup("School=\"\n"), school("\"")) << "a lone quote is text";
    EXPECT_EQ(parseSetup("Unknown=1\rSchool=Lone CR\rDataFolder=/srv/data"), (SchoolSetup{"Lone CR", "/srv/data", ""}));
    EXPECT_EQ(parseSetup("School=Last line without an end"), school("Last line without an end"));
}

TEST(SetupFile, TheSchoolIsKeptAsWindows1252WhateverTheFileSEncoding)
{
    const std::string ecole = "\xc9" "cole Sainte-Th\xe9r\xe8se";
    // Windows-1252 bytes, as an older editor saves them.
    EXPECT_EQ(parseSetup("School=" + ecole + "\r\n"), school(ecole));
    // UTF-8, with and without a byte-order mark.
    const std::string utf8 = "School=\xc3\x89" "cole Sainte-Th\xc3\xa9r\xc3\xa8se\n";
    EXPECT_EQ(parseSetup("\xEF\xBB\xBF" + utf8), school(ecole));
    EXPECT_EQ(parseSetup(utf8), school(ecole));
    // A character the code page cannot hold becomes '?'.
    EXPECT_EQ(parseSetup("School=\xe4\xb8\xad School\n"), school("? School"));
    // A whole file as a newer editor saves it: a byte-order mark, a section, spaces and quotes.
    EXPECT_EQ(readSetupFile(dataFile("setup-utf8-bom.ini")), (SchoolSetup{ecole, "/mnt/\xc3\xa9" "cole/data", ""}));
}

TEST(SetupFile, TheDataFolderIsKeptInTheFileSystemsEncoding)
{
    EXPECT_EQ(parseSetup("DataFolder=/mnt/\xc3\xa9" "cole/data\n").dataFolder, "/mnt/\xc3\xa9" "cole/data");
    // A Windows-1252 file names the same folder.
    EXPECT_EQ(parseSetup("DataFolder=/mnt/\xe9" "cole/data\n").dataFolder, "/mnt/\xc3\xa9" "cole/data");
    EXPECT_EQ(parseSetup("DataFolder=/srv/data///\n").dataFolder, "/srv/data");
    EXPECT_EQ(parseSetup("DataFolder=/\n").dataFolder, "/");
    EXPECT_EQ(parseSetup("DataFolder=\"/srv/with space \"\n").dataFolder, "/srv/with space ");
    EXPECT_EQ(parseSetup(std::string("DataFolder=/srv\0/x\n", 19)).dataFolder, "") << "no folder holds a NUL";
}

TEST(SetupFile, LongValuesAndControlCharactersCannotUpsetTheStartUpWindow)
{
    const std::string longName(500, 'L');
    EXPECT_EQ(parseSetup("School=" + longName + "\n").school, std::string(maxSchoolNameLength, 'L'));
    // Cutting never leaves spaces at the end.
    EXPECT_EQ(parseSetup("School=" + std::string(maxSchoolNameLength - 1, 'L') + "  tail\n").school,
              std::string(maxSchoolNameLength - 1, 'L'));
    EXPECT_EQ(parseSetup("School=One\x01Two\tThree\x7F" "Four\n").school, "One Two Three Four");
    const std::string longPath = "/" + std::string(3000, 'd');
    EXPECT_EQ(parseSetup("DataFolder=" + longPath + "\n").dataFolder, longPath);
}

TEST(SetupFile, OnlyTheBeginningOfAnOversizedFileIsRead)
{
    TempDir dir;
    const std::string padding = "; padding padding padding padding padding padding\r\n";
    std::string bytes = "School=Near The Start\r\n";
    while (bytes.size() + padding.size() < maxSetupFileBytes - 10)
        bytes += padding;
    const std::string cutOff = "School=Cut Off " + std::string(100, 'x') + "\r\n";
    ASSERT_LT(bytes.size(), maxSetupFileBytes);
    ASSERT_GT(bytes.size() + cutOff.size(), maxSetupFileBytes);
    bytes += cutOff;
    bytes += "School=Far Beyond\r\n" + std::string(maxSetupFileBytes, 'x');
    EXPECT_EQ(readSetupFile(dir.write("TQSetup.ini", bytes)), school("Near The Start"));
}

TEST(SetupFile, TheProgramFoldersFileSetsTheSchoolTheDataFolderAndTheDictionary)
{
    TempDir dir;
    std::filesystem::create_directories(dir.file("bin"));
    ProgramState state;
    state.folders = programFoldersFor(dir.file("bin"), "");
    state.school = "left over";

    applySetupFile(state);
    EXPECT_EQ(state.school, "") << "no file, no school";
    EXPECT_EQ(state.folders.dataFolder, dir.file("data"));
    EXPECT_EQ(state.spelling.setup.dictionaryName, "en_CA");

    dir.write("bin/TQSetup.ini", "School=Lakeshore\r\n dictionary = \"en_US\"\r\n");
    applySetupFile(state);
    EXPECT_EQ(state.school, "Lakeshore");
    EXPECT_EQ(state.spelling.setup.dictionaryName, "en_US");
    EXPECT_EQ(state.folders.dataFolder, dir.file("data"));

    dir.write("bin/TQSetup.ini", "DataFolder=/mnt/share/tallyquill\r\n");
    applySetupFile(state);
    EXPECT_EQ(state.school, "");
    EXPECT_EQ(state.folders.dataFolder, "/mnt/share/tallyquill");

    dir.write("bin/TQSetup.ini", "DataFolder=../shared\r\n");
    state.folders = programFoldersFor(dir.file("bin"), "");
    applySetupFile(state);
    EXPECT_EQ(state.folders.dataFolder, dir.file("bin/../shared")) << "relative to the program folder";
}
