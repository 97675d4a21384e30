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
    const std::time_t changed = localTime(2026, 12, 8, 14, 2);
    for (const std::string& file : {classFile, favourites, eFile, notAClass}) {
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
        {favourites, localTime(2026, 12, 8, 16, 30), ""}, // read during this run: the routine question
        {dir.file("gone.tqc"), localTime(2026, 12, 8, 16, 30), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(replacedFileDetails(known, c.file, c.now), c.details) << c.file;
}
