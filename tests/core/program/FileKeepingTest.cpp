#include "core/program/FileKeeping.h"
#include "support/LocalTime.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>

using namespace tq;
using namespace tq::test;

TEST(FileKeeping, TheReplaceQuestionSaysWhatAFileTheProgramNeverReadHolds)
{
    TempDir dir;
    const std::string classFile = dir.file("ENG2D101.tqc");
    const std::string favourites = dir.file("Sample.tqf");
    std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), classFile);
    std::filesystem::copy_file(sampleFile("Sample.tqf"), favourites);
    const std::string eFile = dir.write("ENG2D1-01.trc", "whatever\r\n");
    const std::string notAClass = dir.write("Notes.tqc", "a letter\r\n");
    // Two favourites and one range: the favourites are counted.
    const std::string otherFavourites = dir.write("Term.tqf", " 1 \r\n50,59,0101,0150,,1,2,3,4,2,2\r\n0101\r\n0102\r\n");
    const std::time_t changed = localTime(2026, 12, 8, 14, 2);
    for (const std::string& file : {classFile, favourites, eFile, notAClass, otherFavourites}) {
        const timespec times[2] = {{changed, 0}, {changed, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    }
    KnownFiles known;
    known.remember(favourites);
    const struct {
        std::string file;
        std::time_t now;
        std::string details;
    } cases[] = {
        {classFile, localTime(2026, 12, 8, 16, 30), "It holds 28 students, 27 of them with a mark, last changed today at 14:02."},
        {eFile, localTime(2026, 12, 9, 8, 0), "It was last changed yesterday at 14:02."},
        {notAClass, localTime(2026, 12, 11), "It was last changed on Tuesday, December 8, 2026 at 14:02."},
        {otherFavourites, localTime(2026, 12, 8, 16, 30), "It holds 2 favourites, last changed today at 14:02."},
        {favourites, localTime(2026, 12, 8, 16, 30), ""}, // read during this run: the routine question
        {dir.file("gone.tqc"), localTime(2026, 12, 8, 16, 30), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(replacedFileDetails(known, c.file, c.now), c.details) << c.file;
}

// Before a write: a file changed since it was read is told by its bytes, under whatever name it is
// written; a file opened read-only refuses only itself.
TEST(FileKeeping, AChangeIsToldByTheBytesUnderEveryNameAndReadOnlyHoldsOnlyForItsFile)
{
    TempDir dir;
    const std::string file = dir.file("ENG.tqc");
    const std::string link = dir.file("link.tqc");
    std::filesystem::create_symlink(file, link);
    const std::string other = dir.write("Other.tqc", "Ames,Kim\r\n");
    const struct {
        const char* what;
        std::string written; // by another program, under a new time; "" for none
        std::string checked;
        bool openedReadOnly;
        BeforeWriting expected;
    } cases[] = {
        {"the same bytes again", "Ames,Kim,87\r\n", file, false, BeforeWriting::Write},
        {"another mark of the same size", "Ames,Kim,91\r\n", file, false, BeforeWriting::ChangedOnDisk},
        {"changed, written as ./", "Ames,Kim,91\r\n", dir.path() + "/./ENG.tqc", false, BeforeWriting::ChangedOnDisk},
        {"changed, written through a link", "Ames,Kim,91\r\n", link, false, BeforeWriting::ChangedOnDisk},
        {"read-only, the file itself", "", dir.path() + "/./ENG.tqc", true, BeforeWriting::ReadOnly},
        {"read-only, saved under another name", "", other, true, BeforeWriting::Write},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(file, "Ames,Kim,87\r\n");
        KnownFiles known;
        known.remember(file);
        known.remember(other);
        if (!c.written.empty()) {
            writeBytes(file, c.written);
            const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 60, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), later, 0), 0);
        }
        OpenedFile open;
        open.path = file;
        open.readOnly = c.openedReadOnly;
        EXPECT_EQ(checkBeforeWriting(known, open, c.checked, std::time(nullptr)), c.expected);
    }
}
