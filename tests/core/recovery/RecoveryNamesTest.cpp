#include "core/recovery/RecoveryNames.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(RecoveryNames, TheFolderIsInTheUsersDataFolderAndOnlyAnAbsoluteXdgDataHomeMovesIt)
{
    EXPECT_EQ(recoveryFolder("/home/ann", ""), "/home/ann/.local/share/tallyquill/recovery");
    EXPECT_EQ(recoveryFolder("/home/ann", "/data/ann"), "/data/ann/tallyquill/recovery");
    // A relative value is to be ignored, as the desktop's own programs do.
    EXPECT_EQ(recoveryFolder("/home/ann", "data"), "/home/ann/.local/share/tallyquill/recovery");
}

TEST(RecoveryNames, EveryEntryTheProgramMakesIsKnownAgainByItsNameAndNothingElseIs)
{
    const std::string id = instanceId(0, 4711, 0x9f3a1c2bu);
    EXPECT_NE(id.find("-4711-9f3a1c2b"), std::string::npos) << id;
    // Two programs started in the same second differ by process or by chance.
    EXPECT_NE(instanceId(0, 4711, 1), instanceId(0, 4712, 1));
    EXPECT_NE(instanceId(0, 4711, 1), instanceId(0, 4711, 2));

    const std::optional<RecoveryEntry> lock = recoveryEntryOf(lockFileName(id));
    ASSERT_TRUE(lock);
    EXPECT_EQ(lock->what, RecoveryEntry::What::Lock);
    EXPECT_EQ(lock->instance, id);

    for (CopyKind kind : {CopyKind::Class, CopyKind::Favourites}) {
        const std::optional<RecoveryEntry> copy = recoveryEntryOf(copyFolderName(id, kind, 12));
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->what, RecoveryEntry::What::Copy);
        EXPECT_EQ(copy->instance, id);
        EXPECT_EQ(copy->kind, kind);
        EXPECT_EQ(copy->number, 12u);
        const std::optional<RecoveryEntry> going = recoveryEntryOf(removingFolderName(copyFolderName(id, kind, 12)));
        ASSERT_TRUE(going);
        EXPECT_EQ(going->what, RecoveryEntry::What::Removing);
        EXPECT_EQ(going->instance, id);
    }
    std::string writing = writingFolderTemplate(id);
    writing.replace(writing.size() - 6, 6, "aZ09xy"); // as mkdtemp fills it in
    ASSERT_TRUE(recoveryEntryOf(writing));
    EXPECT_EQ(recoveryEntryOf(writing)->what, RecoveryEntry::What::Writing);
    EXPECT_EQ(recoveryEntryOf(writing)->instance, id);

    for (const char* foreign : {"damaged", "notes.txt", ".lock", "a b.lock", "x.class.", "x.class.0", "x.class.01",
                                "x.class.1a", "x.other.1", "x..1", ".writing.x", ".removing.", "x.class.1.2"})
        EXPECT_FALSE(recoveryEntryOf(foreign)) << foreign;
}

TEST(RecoveryNames, ACopyIsNamedAfterItsClassOrItsFavouritesFile)
{
    EXPECT_EQ(copyFileName(CopyKind::Class, "ENG2D1-01", ""), "ENG2D101.tqc");
    EXPECT_EQ(copyFileName(CopyKind::Class, "--", ""), "class.tqc");
    EXPECT_EQ(copyFileName(CopyKind::Class, "", ""), "class.tqc");
    EXPECT_EQ(copyFileName(CopyKind::Favourites, "", "/home/ann/Documents/Science.tqf"), "Science.tqf");
    EXPECT_EQ(copyFileName(CopyKind::Favourites, "", "/home/ann/Documents/Science"), "Science.tqf");
    for (const char* unnamed : {"", "/home/ann/", "/home/ann/..", "/home/ann/.hidden.tqf"})
        EXPECT_EQ(copyFileName(CopyKind::Favourites, "", unnamed), "favourites.tqf") << unnamed;
}

} // namespace
} // namespace tq
