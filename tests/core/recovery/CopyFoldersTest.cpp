#include "core/recovery/CopyFolders.h"

#include "RecoveryTestKit.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {
namespace {

namespace fs = std::filesystem;
const std::string id = "20261207T101503-4711-9f3a1c2b";

RecoveryNote noteFor(const std::string& copyFile)
{
    RecoveryNote note;
    note.copyFile = copyFile;
    note.instance = id;
    return note;
}

TEST(CopyFolders, ACopyAppearsWholeInItsOwnFolderAndReplacesTheOlderOnes)
{
    test::TempDir dir;
    const std::string folder = dir.file("recovery");
    ASSERT_TRUE(makeRecoveryFolder(folder));
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u); // names, marks and IEP flags are the owner's alone

    std::vector<CopyWriteStep> steps;
    ASSERT_TRUE(writeCopyFolder(folder, id, 1, "first\r\n", noteFor("SNC2D101.tqc")));
    ASSERT_TRUE(writeCopyFolder(folder, id, 2, "second\r\n", noteFor("SNC2D101.tqc"),
                                [&steps](CopyWriteStep s) { steps.push_back(s); }));
    EXPECT_EQ(steps, (std::vector<CopyWriteStep>{CopyWriteStep::FolderMade, CopyWriteStep::CopyWritten,
                                                 CopyWriteStep::NoteWritten, CopyWriteStep::InPlace,
                                                 CopyWriteStep::OlderRemoved}));
    EXPECT_EQ(namesInFolder(folder), std::vector<std::string>{copyFolderName(id, CopyKind::Class, 2)});
    const std::string copy = folder + "/" + copyFolderName(id, CopyKind::Class, 2);
    EXPECT_EQ(test::readBytes(copy + "/SNC2D101.tqc"), "second\r\n");
    const std::optional<RecoveryNote> note = parseRecoveryNote(test::readBytes(copy + "/" + recoveryNoteFileName));
    ASSERT_TRUE(note);
    EXPECT_TRUE(noteDescribes(*note, "second\r\n"));

    // Copies of favourites and of another program are not older copies of this class.
    ASSERT_TRUE(writeCopyFolder(folder, "other", 7, "x", noteFor("a.tqc")));
    RecoveryNote favourites = noteFor("Science.tqf");
    favourites.kind = CopyKind::Favourites;
    ASSERT_TRUE(writeCopyFolder(folder, id, 3, "y", favourites));
    ASSERT_TRUE(writeCopyFolder(folder, id, 4, "third\r\n", noteFor("SNC2D101.tqc")));
    EXPECT_EQ(test::copyFolders(folder).size(), 3u);
    removeCopies(folder, id, CopyKind::Class);
    EXPECT_EQ(test::copyFolders(folder),
              (std::vector<std::string>{copyFolderName(id, CopyKind::Favourites, 3), copyFolderName("other", CopyKind::Class, 7)}));
}

TEST(CopyFolders, AWriteThatFailsLeavesNothingOfItselfAndTheOlderCopyWhole)
{
    test::TempDir dir;
    const std::string folder = dir.file("recovery");
    ASSERT_TRUE(makeRecoveryFolder(folder));
    ASSERT_TRUE(writeCopyFolder(folder, id, 1, "first\r\n", noteFor("a.tqc")));
    const std::vector<std::string> before = namesInFolder(folder);
    // The disk fills up while the copy is written, or while its description is.
    for (size_t limit : {size_t{3}, std::string("third\r\n").size()}) {
        EXPECT_FALSE(writeCopyFolder(folder, id, 3, "third\r\n", noteFor("a.tqc"), {}, test::failingAfter(limit)));
        EXPECT_EQ(namesInFolder(folder), before) << limit;
    }
    // A folder that takes nothing new at all (not as root, who writes anywhere).
    if (::geteuid() != 0) {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(writeCopyFolder(folder, id, 2, "second\r\n", noteFor("a.tqc")));
        fs::permissions(folder, fs::perms::owner_all);
        EXPECT_EQ(namesInFolder(folder), before);
    }
    EXPECT_EQ(test::readBytes(folder + "/" + copyFolderName(id, CopyKind::Class, 1) + "/a.tqc"), "first\r\n");
}

TEST(CopyFolders, ACopyIsMovedAsideUnderItsNameAndNeverOverAnother)
{
    for (const AsideFolder into : {AsideFolder::Damaged, AsideFolder::Declined}) {
        test::TempDir dir;
        const std::string folder = dir.file("recovery");
        ASSERT_TRUE(makeRecoveryFolder(folder));
        const std::string name = copyFolderName(id, CopyKind::Class, 1);
        const std::string aside = folder + "/" + std::string(asideFolderName(into));
        std::vector<std::string> kept;
        for (const char* bytes : {"first", "second"}) {
            ASSERT_TRUE(writeCopyFolder(folder, id, 1, bytes, noteFor("a.tqc")));
            const std::optional<std::string> at = putCopyAside(folder, name, into);
            ASSERT_TRUE(at);
            kept.push_back(*at);
        }
        EXPECT_EQ(kept, (std::vector<std::string>{aside + "/" + name, aside + "/" + name + "-2"}));
        EXPECT_EQ(test::readBytes(kept[0] + "/a.tqc"), "first");
        EXPECT_EQ(test::readBytes(kept[1] + "/a.tqc"), "second");
        EXPECT_FALSE(putCopyAside(folder, name, into)); // gone already

        EXPECT_TRUE(removeCopyFolder(aside, name));
        EXPECT_FALSE(removeCopyFolder(aside, name));
        EXPECT_EQ(namesInFolder(aside), std::vector<std::string>{name + "-2"});
    }
}

TEST(CopyFolders, ADeclinedCopyIsKeptForFourteenDaysFromTheNoAndThenRemoved)
{
    test::TempDir dir;
    const std::string folder = dir.file("recovery");
    ASSERT_TRUE(makeRecoveryFolder(folder));
    // Copies written long ago: their days count from the No, not from the copy.
    const std::time_t now = std::time(nullptr);
    for (std::uint64_t n : {1, 2}) {
        ASSERT_TRUE(writeCopyFolder(folder, id, n, "copy", noteFor("a.tqc")));
        const std::string name = copyFolderName(id, CopyKind::Class, n);
        fs::last_write_time(folder + "/" + name, fs::file_time_type::clock::now() - std::chrono::hours(24 * 40));
        ASSERT_TRUE(putCopyAside(folder, name, AsideFolder::Declined));
    }
    const std::string declined = folder + "/declined";
    fs::last_write_time(declined + "/" + copyFolderName(id, CopyKind::Class, 2),
                        fs::file_time_type::clock::now() - std::chrono::hours(24 * 15));
    ASSERT_TRUE(writeCopyFolder(folder, id, 3, "damaged", noteFor("a.tqc")));
    ASSERT_TRUE(putCopyAside(folder, copyFolderName(id, CopyKind::Class, 3)));

    removeOldDeclinedCopies(folder, now + 13 * 24 * 60 * 60);
    EXPECT_EQ(namesInFolder(declined), std::vector<std::string>{copyFolderName(id, CopyKind::Class, 1)});
    removeOldDeclinedCopies(folder, now + 15 * 24 * 60 * 60);
    EXPECT_TRUE(namesInFolder(declined).empty());
    // Damaged copies are never removed.
    EXPECT_EQ(namesInFolder(folder + "/damaged").size(), 1u);
}

} // namespace
} // namespace tq
