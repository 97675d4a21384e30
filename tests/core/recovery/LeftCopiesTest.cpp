#include "core/recovery/LeftCopies.h"

#include "RecoveryTestKit.h"
#include "core/recovery/CopyFolders.h"
#include "core/recovery/CopyWriter.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tq {
namespace {

namespace fs = std::filesystem;

class LeftCopiesTest : public ::testing::Test {
protected:
    test::TempDir dir;
    const std::string folder = dir.file("recovery");
    PhraseLibrary library;

    void SetUp() override { ASSERT_TRUE(makeRecoveryFolder(folder)); }

    // A copy as a program writes it.
    void write(const std::string& instance, std::uint64_t number, const CopySnapshot& snapshot)
    {
        ASSERT_TRUE(writeCopyFolder(folder, instance, number, copyText(snapshot), copyNote(snapshot, instance, 1)));
    }
    void writeClass(const std::string& instance, std::uint64_t number, const std::string& mark, std::time_t changed)
    {
        ClassList c = test::newStudents(2);
        c[0].mark = mark;
        write(instance, number, CopySnapshot{c, "/home/ann/SNC.tqc", changed});
    }
    std::string copyPath(const std::string& instance, CopyKind kind, std::uint64_t number, const std::string& file)
    {
        return folder + "/" + copyFolderName(instance, kind, number) + "/" + file;
    }
    bool exists(const std::string& name) const { return fs::exists(folder + "/" + name); }
};

TEST_F(LeftCopiesTest, TheCopiesOfEndedProgramsAreOfferedClassesFirstLatestFirstAndNoneOfARunningOne)
{
    writeClass("ended-a", 1, "60", 100);
    Favourites fav;
    fav.favouritesFile = "/home/ann/Science.tqf";
    fav.initialRanges = defaultInitialRanges();
    write("ended-a", 1, CopySnapshot{fav, "", 300});
    writeClass("ended-c", 4, "70", 200);
    writeClass("running", 1, "80", 400);
    writeClass("own", 1, "90", 500);
    const InstanceLock running = InstanceLock::take(folder + "/" + lockFileName("running"));
    const InstanceLock own = InstanceLock::take(folder + "/" + lockFileName("own"));
    ASSERT_TRUE(running.held() && own.held());

    {
        LeftCopies left(folder, "own", library);
        ASSERT_EQ(left.copies().size(), 3u);
        EXPECT_TRUE(left.damaged().empty());
        EXPECT_EQ(left.copies()[0].folderName, copyFolderName("ended-c", CopyKind::Class, 4));
        EXPECT_EQ(left.copies()[1].folderName, copyFolderName("ended-a", CopyKind::Class, 1));
        EXPECT_EQ(left.copies()[2].folderName, copyFolderName("ended-a", CopyKind::Favourites, 1));
        EXPECT_EQ(std::get<ClassList>(left.copies()[0].data)[0].mark, "70");
        EXPECT_EQ(left.copies()[0].note.originalFile, "/home/ann/SNC.tqc");
        EXPECT_EQ(std::get<Favourites>(left.copies()[2].data).favouritesFile, "/home/ann/Science.tqf");
        EXPECT_EQ(std::get<Favourites>(left.copies()[2].data).initialRanges, defaultInitialRanges());

        // Another program starting meanwhile finds them taken.
        EXPECT_TRUE(LeftCopies(folder, "another", library).copies().empty());

        left.discard(left.copies()[0]);
        left.discard(left.copies()[1]);
    }
    // A program with nothing left loses its lock file; one with a copy kept keeps it.
    EXPECT_FALSE(exists(lockFileName("ended-c")));
    EXPECT_TRUE(exists(lockFileName("ended-a")));
    EXPECT_TRUE(exists(lockFileName("running")));
    EXPECT_EQ(test::copyFolders(folder),
              (std::vector<std::string>{copyFolderName("ended-a", CopyKind::Favourites, 1),
                                        copyFolderName("own", CopyKind::Class, 1),
                                        copyFolderName("running", CopyKind::Class, 1)}));
}

TEST_F(LeftCopiesTest, ADamagedCopyIsKeptAsideUntouchedAndReportedAndTheCopyBeforeItOffered)
{
    writeClass("a", 1, "60", 100);
    writeClass("a", 2, "70", 200);
    writeClass("a", 3, "75", 300); // the write of 3 removed 1 and 2; put 2 back as if the end came first
    ASSERT_TRUE(writeCopyFolder(folder, "a", 2, copyText(CopySnapshot{test::newStudents(2), "", 200}),
                                copyNote(CopySnapshot{test::newStudents(2), "", 200}, "a", 1)));
    const std::string cut = copyPath("a", CopyKind::Class, 3, "SNC2D101.tqc");
    const std::string whole = test::readBytes(cut);
    test::writeBytes(cut, whole.substr(0, whole.size() / 2)); // cut short, yet still lines of a class

    // A copy without its description, and one whose file is whole but no class file.
    writeClass("b", 1, "60", 100);
    fs::remove(folder + "/" + copyFolderName("b", CopyKind::Class, 1) + "/" + recoveryNoteFileName);
    RecoveryNote note = copyNote(CopySnapshot{test::newStudents(1), "", 50}, "c", 1);
    ASSERT_TRUE(writeCopyFolder(folder, "c", 1, "not a class file\r\n", note));

    {
        LeftCopies left(folder, "own", library);
        ASSERT_EQ(left.copies().size(), 1u);
        EXPECT_EQ(left.copies()[0].folderName, copyFolderName("a", CopyKind::Class, 2));
        ASSERT_EQ(left.damaged().size(), 3u);
        const DamagedCopy& a = left.damaged()[0];
        ASSERT_TRUE(a.note);
        EXPECT_EQ(a.note->changed, 300);
        EXPECT_EQ(a.keptAt, folder + "/damaged/" + copyFolderName("a", CopyKind::Class, 3));
        EXPECT_EQ(test::readBytes(a.keptAt + "/SNC2D101.tqc"), whole.substr(0, whole.size() / 2));
        EXPECT_FALSE(left.damaged()[1].note);
        EXPECT_TRUE(left.damaged()[2].note);
    }
    EXPECT_TRUE(exists("damaged/" + copyFolderName("b", CopyKind::Class, 1)));
    EXPECT_TRUE(exists("damaged/" + copyFolderName("c", CopyKind::Class, 1)));
    // Reported once: the next start finds only the good copy, still waiting for an answer.
    LeftCopies again(folder, "own", library);
    EXPECT_TRUE(again.damaged().empty());
    EXPECT_EQ(again.copies().size(), 1u);
}

TEST_F(LeftCopiesTest, WhatAnEndedProgramLeftHalfDoneGoesAndSoDoCopiesOlderThanAGoodOne)
{
    writeClass("a", 1, "60", 100);
    fs::rename(folder + "/" + copyFolderName("a", CopyKind::Class, 1), folder + "/.writing.a.x1Y2z3");
    writeClass("a", 2, "60", 100);
    fs::rename(folder + "/" + copyFolderName("a", CopyKind::Class, 2),
               folder + "/" + removingFolderName(copyFolderName("a", CopyKind::Class, 2)));
    writeClass("a", 3, "65", 150);
    writeClass("a", 4, "70", 200);
    ASSERT_TRUE(writeCopyFolder(folder, "a", 3, copyText(CopySnapshot{test::newStudents(2), "", 150}),
                                copyNote(CopySnapshot{test::newStudents(2), "", 150}, "a", 1)));
    // A running program's write in progress is its own business.
    writeClass("running", 1, "80", 400);
    fs::rename(folder + "/" + copyFolderName("running", CopyKind::Class, 1), folder + "/.writing.running.a1b2c3");
    const InstanceLock running = InstanceLock::take(folder + "/" + lockFileName("running"));

    LeftCopies left(folder, "own", library);
    ASSERT_EQ(left.copies().size(), 1u);
    EXPECT_EQ(std::get<ClassList>(left.copies()[0].data)[0].mark, "70");
    std::vector<std::string> names = namesInFolder(folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".writing.running.a1b2c3", copyFolderName("a", CopyKind::Class, 4),
                                               lockFileName("a"), lockFileName("running")}));
}

} // namespace
} // namespace tq
