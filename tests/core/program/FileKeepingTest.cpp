#include "core/program/FileKeeping.h"
#include "core/classdata/ClassFile.h"
#include "support/LocalTime.h"
#include "support/NewStudents.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

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

// Between the read and the save, the file changes as other programs change files; the save is
// asked about exactly when the name now leads to other bytes or another file.
TEST(FileKeeping, AFileIsKnownByTheFileItsNameLeadsToAndByItsBytes)
{
    const auto setTime = [](const std::string& file, std::time_t time) {
        const timespec times[2] = {{time, 0}, {time, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    };
    const struct {
        const char* what;
        bool throughLink; // the teacher opened the class through a link of her own
        std::function<void(const std::string& file, const std::string& other)> change;
        bool changed;
    } cases[] = {
        {"the same bytes written again later", false,
         [&](const std::string& file, const std::string&) {
             writeBytes(file, readBytes(file));
             setTime(file, std::time(nullptr) + 60);
         },
         false},
        {"one mark changed, same size, the time put back", false,
         [&](const std::string& file, const std::string&) {
             std::string bytes = readBytes(file);
             bytes[bytes.find(",89,") + 1] = '7'; // Layla's 89 made 79
             writeBytes(file, bytes);
             setTime(file, 1'700'000'000);
         },
         true},
        {"the name made a link to another class", false,
         [](const std::string& file, const std::string& other) {
             std::filesystem::remove(file);
             std::filesystem::create_symlink(other, file);
         },
         true},
        {"another class moved in over it", false,
         [](const std::string& file, const std::string& other) {
             std::filesystem::copy_file(other, file + ".new");
             std::filesystem::rename(file + ".new", file);
         },
         true},
        {"the teacher's link, saved through and unchanged", true,
         [](const std::string&, const std::string&) {}, false},
        {"gone", false, [](const std::string& file, const std::string&) { std::filesystem::remove(file); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string real = dir.file("ENG2D101.tqc");
        std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), real);
        setTime(real, 1'700'000'000);
        const std::string other = dir.file("SCH3U101.tqc");
        ASSERT_TRUE(saveClassFile(other, newStudents(3, "SCH3U1-01")));
        std::string file = real;
        KnownFiles known;
        if (c.throughLink) {
            file = dir.file("link.tqc");
            std::filesystem::create_symlink(real, file);
            known.remember(file);
            ASSERT_TRUE(saveClassFile(file, newStudents(2)));
            EXPECT_TRUE(std::filesystem::is_symlink(file)); // the save went through the link
        }
        known.remember(file);
        c.change(file, other);
        const BeforeWriting check = checkBeforeWriting(known, OpenedFile{}, file, std::time(nullptr));
        EXPECT_EQ(check, c.changed ? BeforeWriting::ChangedOnDisk : BeforeWriting::Write);
    }

    // The question names the file the link leads to now, and what it holds.
    TempDir dir;
    const std::string file = dir.file("ENG2D101.tqc"), other = dir.file("SCH3U101.tqc");
    std::filesystem::copy_file(sampleFile("ENG2D101.tqc"), file);
    ASSERT_TRUE(saveClassFile(other, newStudents(3, "SCH3U1-01")));
    setTime(other, localTime(2026, 12, 8, 14, 2));
    KnownFiles known;
    known.remember(file);
    std::filesystem::remove(file);
    std::filesystem::create_symlink(other, file);
    EXPECT_EQ(changedOnDiskQuestion(known, file, localTime(2026, 12, 8, 16, 30)),
              "ENG2D101.tqc was changed by another program since Tallyquill opened it. It now leads through a link "
              "to " + other + ", a class of SCH3U1-01. It holds 3 students, 0 of them with a mark, last changed today "
              "at 14:02.");
}

// Copy A holds the lock, copy B opened anyway, A ends: B takes the lock, so that copy C is asked.
TEST(FileKeeping, ACopyThatOpenedAnywayTakesTheLockOnceTheHolderLetsGo)
{
    TempDir dir;
    const std::string file = dir.write("ENG2D101.tqc", "x\r\n");
    const std::time_t now = std::time(nullptr);
    int asked = 0;
    const AskAboutHolder openAnyway = [&](const LockHolder&) {
        ++asked;
        return HolderAnswer::OpenAnyway;
    };
    OpenedFile a, b, c;
    adoptClaim(a, *claimFile(a, file, now, openAnyway), file);
    adoptClaim(b, *claimFile(b, file, now, openAnyway), file);
    ASSERT_TRUE(a.lock.held());
    EXPECT_FALSE(b.lock.held());
    EXPECT_FALSE(takeLockWhenFree(b, now)); // A still has it
    a.lock.release();                       // A ends
    EXPECT_TRUE(takeLockWhenFree(b, now));
    EXPECT_FALSE(takeLockWhenFree(b, now)); // taken once
    asked = 0;
    adoptClaim(c, *claimFile(c, file, now, openAnyway), file);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(c.lock.held());
}

TEST(FileKeeping, AClassOpenedWithoutALockSaysWhyAtItsFirstSaveOnly)
{
    const struct {
        const char* what;
        std::function<void(TempDir&)> spoil; // makes the lock impossible
        std::string reason;
    } cases[] = {
        {"a lock is made", [](TempDir&) {}, ""},
        {"a folder in its place", [](TempDir& d) { std::filesystem::create_directory(d.file(".~lock.ENG2D101.tqc#")); },
         "a folder has the name its lock file needs (.~lock.ENG2D101.tqc#)."},
        {"a dangling link in its place",
         [](TempDir& d) { std::filesystem::create_symlink(d.file("gone"), d.file(".~lock.ENG2D101.tqc#")); },
         "a link that leads nowhere has the name its lock file needs (.~lock.ENG2D101.tqc#)."},
        {"a folder that takes no new file", [](TempDir& d) { ::chmod(d.path().c_str(), 0555); },
         "its folder takes no new file, so its lock file (.~lock.ENG2D101.tqc#) cannot be made."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (::geteuid() == 0 && c.reason.starts_with("its folder"))
            continue; // the superuser writes in any folder
        TempDir dir;
        const std::string file = dir.write("ENG2D101.tqc", "x\r\n");
        c.spoil(dir);
        OpenedFile open;
        adoptClaim(open, *claimFile(open, file, std::time(nullptr), nullptr), file);
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(open.lock.held(), c.reason.empty());
        EXPECT_EQ(open.unprotected, c.reason);
        EXPECT_EQ(unprotectedWarningOnce(open, dir.file("other.tqc")), ""); // another file saved
        EXPECT_EQ(unprotectedWarningOnce(open, file),
                  c.reason.empty() ? "" : "This class is not protected against a second copy: " + c.reason);
        EXPECT_EQ(unprotectedWarningOnce(open, file), "");
    }
}
