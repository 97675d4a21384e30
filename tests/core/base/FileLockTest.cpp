#include "core/base/FileLock.h"
#include "core/base/TextFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace tq;
using namespace tq::test;

namespace {
// The process id of a program that has ended.
long endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}
} // namespace

TEST(FileLock, AStaleLockIsTakenOverWithoutAQuestionAndALiveOneNamesItsHolder)
{
    const std::string here = thisProgram(0).host;
    const std::string ended = "kim," + here + "," + std::to_string(endedProcess()) + ",1765000000\n";
    struct Case {
        const char* what;
        std::string lockText; // "" for no lock file
        bool heldByAnother;   // a running program on this machine holds it
        bool overElsewhere;
        bool taken;
        std::string holderHost; // of the holder named when not taken
    };
    const Case cases[] = {
        {"no lock", "", false, false, true, ""},
        {"left by a crash on this machine", ended, false, false, true, ""},
        {"a process id now used by another program", "kim," + here + ",1,1765000000\n", false, false, true, ""},
        {"cut short while it was written", "kim,", false, false, true, ""},
        {"held by a running copy", "kim," + here + ",1,1765000000\n", true, false, false, here},
        {"held by a running copy, opened anyway", "kim," + here + ",1,1765000000\n", true, true, false, here},
        {"another machine's", "lee,room12-pc,4242,1765000000\n", false, false, false, "room12-pc"},
        {"another machine's, opened anyway", "lee,room12-pc,4242,1765000000\n", false, true, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string file = dir.write("ENG2D101.tqc", "Ames,Kim\r\n");
        const std::string lockFile = dir.file(".~lock.ENG2D101.tqc#");
        if (!c.lockText.empty())
            writeBytes(lockFile, c.lockText);
        InstanceLock runningCopy = c.heldByAnother ? InstanceLock::take(lockFile) : InstanceLock();
        FileLock::Attempt attempt = FileLock::take(file, 1765432100, c.overElsewhere);
        EXPECT_EQ(attempt.lock.held(), c.taken);
        if (c.taken) {
            EXPECT_FALSE(attempt.heldBy);
            const std::optional<LockHolder> written = parseLockFile(readBytes(lockFile));
            ASSERT_TRUE(written);
            EXPECT_TRUE(isThisProgram(*written));
            EXPECT_EQ(written->since, 1765432100);
            attempt.lock.release();
            EXPECT_FALSE(fileExists(lockFile));
        } else {
            ASSERT_TRUE(attempt.heldBy);
            EXPECT_EQ(attempt.heldBy->host, c.holderHost);
            EXPECT_EQ(readBytes(lockFile), c.lockText); // left as its holder wrote it
        }
    }
    // Another machine's copy that opened the file anyway took the lock over: closing here leaves it.
    TempDir dir;
    const std::string file = dir.write("ENG2D101.tqc", "Ames,Kim\r\n");
    FileLock::Attempt mine = FileLock::take(file, 1765432100);
    ASSERT_TRUE(mine.lock.held());
    writeBytes(lockFileFor(file), "lee,room12-pc,4242,1765432200\n");
    mine.lock.release();
    EXPECT_EQ(readBytes(lockFileFor(file)), "lee,room12-pc,4242,1765432200\n");
}
