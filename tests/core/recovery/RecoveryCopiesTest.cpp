#include "core/recovery/RecoveryCopies.h"

#include "RecoveryTestKit.h"
#include "core/classdata/ClassFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <unistd.h>

namespace tq {
namespace {

using namespace std::chrono_literals;
using test::copyFolders;

class RecoveryCopiesTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::ManualTimers timers;
    std::time_t wallNow = 1796638503;
    ClassList students = test::newStudents(3);
    Favourites favourites;
    PhraseLibrary library;
    std::atomic<int> diskError{0}; // what the disk says to the next write; 0: it takes it
    RecoveryCopies recovery;

    void SetUp() override { ASSERT_TRUE(start(recovery, "20261207T101503-1-00000001", students, favourites)); }

    bool start(RecoveryCopies& r, const std::string& instance, const ClassList& c, const Favourites& f)
    {
        RecoveryCopies::Settings s;
        s.folder = folder();
        s.instance = instance;
        s.runLater = timers.runLater();
        s.now = timers.clock();
        s.wallClock = [this] { return wallNow; };
        s.makeWriter = [this](int fd) { return test::failingAfter(diskError ? 0 : SIZE_MAX, diskError)(fd); };
        return r.start(c, f, std::move(s));
    }
    std::string folder() const { return dir.file("recovery"); }
    // This program's copy folders once everything asked for is done.
    std::vector<std::string> copies()
    {
        recovery.flush();
        return copyFolders(folder(), recovery.instance());
    }
    // The one copy of `kind` on disk, read back as the next start reads it.
    std::optional<LeftCopy> copyOf(CopyKind kind)
    {
        for (const std::string& name : copies())
            if (recoveryEntryOf(name)->kind == kind)
                return readLeftCopy(folder(), name, library);
        return std::nullopt;
    }
    ClassList copiedClass()
    {
        const std::optional<LeftCopy> copy = copyOf(CopyKind::Class);
        return copy ? std::get<ClassList>(copy->data) : ClassList{};
    }
};

TEST_F(RecoveryCopiesTest, ChangesAreCopiedAtTheEndOfTheEventThenAtMostOnceAnInterval)
{
    recovery.classChanged();
    students[0].mark = "75"; // the change itself follows the report, as an undo push precedes it
    EXPECT_TRUE(copies().empty());
    timers.endOfEvent();
    EXPECT_EQ(copiedClass(), students);

    // Typing on: one copy at the end of the interval, holding the last of the marks.
    for (const char* mark : {"76", "77", "78"}) {
        timers.advance(300ms);
        recovery.classChanged();
        students[1].mark = mark;
        timers.endOfEvent();
    }
    EXPECT_EQ(copiedClass()[1].mark, "");
    timers.advance(1099ms);
    EXPECT_EQ(copiedClass()[1].mark, "");
    timers.advance(1ms);
    EXPECT_EQ(copiedClass(), students);
    EXPECT_EQ(copies().size(), 1u); // the older copy went once the newer was in place
    EXPECT_EQ(timers.waiting(), 0u);
}

TEST_F(RecoveryCopiesTest, TheDescriptionSaysWhatTheCopyIsWhereItCameFromAndWhenItLastChanged)
{
    recovery.classOpened("/home/ann/ENG.tqc");
    recovery.classChanged();
    students[2].mark = "88";
    timers.endOfEvent();
    wallNow += 60; // copied later than changed
    const std::optional<LeftCopy> copy = copyOf(CopyKind::Class);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->note.kind, CopyKind::Class);
    EXPECT_EQ(copy->note.copyFile, "SNC2D101.tqc");
    EXPECT_EQ(copy->note.originalFile, "/home/ann/ENG.tqc");
    EXPECT_EQ(copy->note.course, "SNC2D1-01");
    EXPECT_EQ(copy->note.count, 3);
    EXPECT_EQ(copy->note.changed, 1796638503);
    EXPECT_EQ(copy->note.pid, static_cast<long>(::getpid()));
    EXPECT_EQ(copy->note.instance, recovery.instance());
    EXPECT_EQ(recoveryEntryOf(copy->folderName)->instance, recovery.instance());
}

TEST_F(RecoveryCopiesTest, ASaveRemovesTheCopyAndNoCopyAskedForBeforeItComesBack)
{
    recovery.classChanged();
    students[0].mark = "75";
    timers.endOfEvent(); // the write is handed over, perhaps not yet done
    recovery.classSaved("/home/ann/SNC.tqc");
    recovery.flush();
    EXPECT_TRUE(copies().empty());

    // A change just before the save whose copy was still due: nothing is written for it.
    recovery.classChanged();
    students[0].mark = "80";
    timers.endOfEvent();
    timers.advance(1s);
    recovery.classChanged();
    students[0].mark = "81";
    recovery.classSaved("/home/ann/SNC.tqc");
    timers.advance(5s);
    recovery.flush();
    EXPECT_TRUE(copies().empty());
}

TEST_F(RecoveryCopiesTest, AClassChangedBackToWhatIsInItsFileNeedsNoCopy)
{
    recovery.classOpened("/home/ann/SNC.tqc");
    recovery.classChanged(); // a click that placed nothing
    timers.endOfEvent();
    EXPECT_FALSE(copyOf(CopyKind::Class));

    recovery.classChanged();
    students[0].mark = "75";
    timers.advance(2s);
    EXPECT_TRUE(copyOf(CopyKind::Class));
    recovery.classChanged(); // undo
    students[0].mark = "";
    timers.advance(2s);
    EXPECT_FALSE(copyOf(CopyKind::Class));
}

TEST_F(RecoveryCopiesTest, ANewClassIsCopiedEvenWhenTheLastSavedOneWasTheSameAndAnEmptyOneIsNot)
{
    recovery.classSaved("/home/ann/SNC.tqc");
    recovery.classStarted(); // the same students again, from the master list
    timers.endOfEvent();
    const std::optional<LeftCopy> copy = copyOf(CopyKind::Class);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->note.originalFile, "");

    students.clear();
    timers.advance(2s);
    recovery.classStarted();
    timers.advance(2s);
    EXPECT_FALSE(copyOf(CopyKind::Class));
}

TEST_F(RecoveryCopiesTest, AClassTheTeacherDidNotSaveLosesItsCopyTheFavouritesKeepTheirs)
{
    recovery.classChanged();
    recovery.favouritesChanged();
    favourites.favouritesFile = "/home/ann/Science.tqf";
    favourites.favourites = {"0101", "    "};
    favourites.initialRanges = defaultInitialRanges();
    timers.endOfEvent();
    EXPECT_EQ(copies().size(), 2u);
    const std::optional<LeftCopy> fav = copyOf(CopyKind::Favourites);
    ASSERT_TRUE(fav);
    EXPECT_EQ(fav->note.copyFile, "Science.tqf");
    EXPECT_EQ(fav->note.originalFile, "/home/ann/Science.tqf");
    EXPECT_EQ(fav->note.count, 2);

    recovery.classDiscarded();
    recovery.finish();
    const std::vector<std::string> left = copyFolders(folder());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(recoveryEntryOf(left[0])->kind, CopyKind::Favourites);
    EXPECT_FALSE(fileExists(folder() + "/" + lockFileName(recovery.instance())));
}

TEST_F(RecoveryCopiesTest, SavedFavouritesLoseTheirCopy)
{
    favourites.favouritesFile = "/home/ann/Science.tqf";
    recovery.favouritesChanged();
    favourites.favourites = {"0101"};
    timers.endOfEvent();
    EXPECT_TRUE(copyOf(CopyKind::Favourites));
    recovery.favouritesSaved();
    EXPECT_FALSE(copyOf(CopyKind::Favourites));
}

TEST_F(RecoveryCopiesTest, TwoProgramsInOneFolderEachKeepTheirOwnCopy)
{
    ClassList other = test::newStudents(5, "MPM2D1-02");
    Favourites otherFavourites;
    RecoveryCopies second;
    ASSERT_TRUE(start(second, "20261207T101503-2-00000002", other, otherFavourites));
    // The same instance cannot run twice.
    RecoveryCopies again;
    EXPECT_FALSE(start(again, "20261207T101503-2-00000002", other, otherFavourites));

    recovery.classChanged();
    second.classChanged();
    timers.endOfEvent();
    recovery.flush();
    second.flush();
    ASSERT_EQ(copyFolders(folder(), recovery.instance()).size(), 1u);
    ASSERT_EQ(copyFolders(folder(), second.instance()).size(), 1u);

    second.classSaved("/home/bob/MPM.tqc");
    second.flush();
    EXPECT_TRUE(copyFolders(folder(), second.instance()).empty());
    EXPECT_EQ(copiedClass(), students);

    // A restored class the second lets go of is set aside alone: the first's copy stays.
    ASSERT_TRUE(second.keepRestored(CopyKind::Class, "/home/bob/MPM.tqc", 1700000000));
    second.classOpened("/home/bob/Other.tqc");
    second.flush();
    EXPECT_EQ(namesInFolder(folder() + "/declined").size(), 1u);
    EXPECT_EQ(copiedClass(), students);
}

TEST_F(RecoveryCopiesTest, ARestoredCopyIsWrittenAtOnceWithTheTimeAndFileItHad)
{
    ASSERT_TRUE(recovery.keepRestored(CopyKind::Class, "/home/ann/SNC.tqc", 1700000000));
    const std::optional<LeftCopy> copy = readLeftCopy(folder(), copies().at(0), library);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->note.originalFile, "/home/ann/SNC.tqc");
    EXPECT_EQ(copy->note.changed, 1700000000);
    EXPECT_EQ(recovery.classOriginalFile(), "/home/ann/SNC.tqc");
    // The next change is copied no sooner than an interval on.
    recovery.classChanged();
    students[0].mark = "75";
    timers.endOfEvent();
    EXPECT_EQ(copiedClass()[0].mark, "");
}

TEST_F(RecoveryCopiesTest, CopiesThatCannotBeWrittenAreToldOnceForEachCauseWhileTheyFail)
{
    const uid_t owner = ::geteuid();
    int mark = 0;
    struct Case {
        int error;
        uid_t folderOwner;
        const char* line; // the cause, or "" once copies are written
        bool told;
        bool change = true; // false: the teacher does nothing meanwhile
    };
    for (const Case& c : {Case{ENOSPC, owner, "disk full", true}, Case{ENOSPC, owner, "disk full", false},
                          Case{0, owner, "", false}, Case{EDQUOT, owner, "disk full", false},
                          // Room made, no change since: the copy is written once the interval is over.
                          Case{0, owner, "", false, false}, Case{ENOSPC, owner, "disk full", false},
                          Case{EACCES, owner + 1, "folder owned by another user", true},
                          Case{EPERM, owner, "no permission", true}, Case{EACCES, owner, "no permission", false},
                          Case{EROFS, owner, "read-only disk", true},
                          Case{EIO, owner, "write error", true}, Case{0, owner, "", false}}) {
        SCOPED_TRACE(c.line);
        diskError = c.error;
        if (::chown(folder().c_str(), c.folderOwner, static_cast<gid_t>(-1)) != 0)
            continue; // only root gives a folder away
        if (c.change) {
            recovery.classChanged();
            students[0].mark = std::to_string(++mark);
        }
        timers.advance(2s);
        recovery.flush();
        const CopyTroubleNews news = recovery.troubleNews();
        EXPECT_EQ(news.line, *c.line ? "Recovery copies cannot be written (" + std::string(c.line) + "): save your class now." : "");
        EXPECT_EQ(news.tell, c.told);
        EXPECT_EQ(copiedClass() == students, c.error == 0);
    }
}

TEST(RecoveryCopiesOff, WithoutAStartNothingIsKeptAndNothingFails)
{
    ClassList students = test::newStudents(1);
    Favourites favourites;
    std::atomic<int> diskError{0}; // what the disk says to the next write; 0: it takes it
    RecoveryCopies recovery;
    recovery.classChanged();
    recovery.classSaved("/x.tqc");
    recovery.favouritesChanged();
    recovery.flush();
    recovery.finish();
    EXPECT_FALSE(recovery.active());
    EXPECT_FALSE(recovery.keepRestored(CopyKind::Class, "", 0));

    // A folder that cannot be made leaves it off.
    test::TempDir dir;
    const std::string file = dir.write("plain", "x");
    RecoveryCopies::Settings s;
    s.folder = file + "/recovery";
    s.runLater = [](RecoveryCopies::Delay, std::function<void()>) {};
    EXPECT_FALSE(recovery.start(students, favourites, s));
    EXPECT_FALSE(recovery.active());
    EXPECT_EQ(recovery.troubleNews().line, copyTroubleText(CopyTrouble::Other)); // told as at a write
}

} // namespace
} // namespace tq
