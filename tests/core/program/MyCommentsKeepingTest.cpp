#include "core/program/MyCommentsKeeping.h"
#include "core/program/ProgramState.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tq;
using namespace tq::test;

using Comments = std::vector<std::string>;

namespace {
struct Teacher {
    TempDir home;
    ProgramState state;
    std::string file;
    Teacher()
    {
        state.folders.teacherFolder = home.path();
        file = myCommentsFile(state);
    }
};
} // namespace

TEST(MyCommentsKeeping, MadeOnFirstUseAndAnOldCodePageFileRewrittenOnlyAfterAChange)
{
    Teacher t;
    EXPECT_EQ(t.file, t.home.file("Tallyquill/My comments.txt"));
    EXPECT_TRUE(refreshMyComments(t.state));
    EXPECT_TRUE(t.state.myComments.list.comments.empty());
    EXPECT_EQ(addMyComment(t.state, "@ tries."), MyCommentsSaved::Saved); // the folder is made
    EXPECT_EQ(readBytes(t.file), "@ tries.\r\n");

    const std::string old = "\x93@\x94 caf\xE9\r\n";
    writeBytes(t.file, old);
    settleFile(t.file);
    EXPECT_TRUE(refreshMyComments(t.state));
    EXPECT_FALSE(refreshMyComments(t.state)); // once, until it changes again
    EXPECT_TRUE(t.state.myComments.list.readAsCp1252);
    EXPECT_EQ(readBytes(t.file), old);
    EXPECT_EQ(removeMyComment(t.state, "gone"), MyCommentsSaved::Unchanged);
    EXPECT_EQ(readBytes(t.file), old);
    EXPECT_EQ(addMyComment(t.state, "# best."), MyCommentsSaved::Saved);
    EXPECT_EQ(readBytes(t.file), "\xE2\x80\x9C@\xE2\x80\x9D caf\xC3\xA9\r\n\r\n# best.\r\n");
}

TEST(MyCommentsKeeping, AChangeIsMadeToWhatAnotherProgramWroteAndAHolderIsAskedAbout)
{
    Teacher t;
    ASSERT_EQ(addMyComment(t.state, "one"), MyCommentsSaved::Saved);
    writeBytes(t.file, "one\n\ntwo from an editor\n");
    settleFile(t.file);
    EXPECT_EQ(replaceMyComment(t.state, "one", "first"), MyCommentsSaved::Saved);
    EXPECT_EQ(t.state.myComments.list.comments, (Comments{"first", "two from an editor"}));

    // Another machine's copy holds the lock: asked, then written over it when the teacher says so.
    const std::string lock = "lee,room12-pc,4242,1765000000\n";
    writeBytes(t.home.file("Tallyquill/.~lock.My comments.txt#"), lock);
    LockHolder holder;
    EXPECT_EQ(addMyComment(t.state, "three", &holder), MyCommentsSaved::HeldElsewhere);
    EXPECT_EQ(holder.host, "room12-pc");
    EXPECT_EQ(readBytes(t.file), "first\r\n\r\ntwo from an editor\r\n");
    EXPECT_EQ(addMyComment(t.state, "three", &holder, true), MyCommentsSaved::Saved);
    EXPECT_EQ(t.state.myComments.list.comments.size(), 3u);

    // A file that cannot be read is never written over.
    std::filesystem::remove(t.file);
    std::filesystem::create_directories(t.file);
    EXPECT_EQ(removeMyComment(t.state, "first"), MyCommentsSaved::Unreadable);
    EXPECT_TRUE(std::filesystem::is_directory(t.file));
}
