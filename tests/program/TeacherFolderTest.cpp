#include "program/TeacherFolder.h"

#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tq {
namespace {

namespace fs = std::filesystem;

TEST(TeacherFolderTest, AFolderCountsOnlyWhenItHoldsAnOrdinaryFile)
{
    test::TempDir dir;
    EXPECT_FALSE(teacherFolderFound(dir.path())) << "empty folder";

    dir.write(".profile", "x");
    fs::create_directory(dir.file("Classes"));
    dir.write("Classes/10A.tqc", "x");
    EXPECT_FALSE(teacherFolderFound(dir.path())) << "hidden files and subfolders do not count";

    dir.write("notes.txt", "");
    EXPECT_TRUE(teacherFolderFound(dir.path())) << "an ordinary file, even an empty one, counts";
}

TEST(TeacherFolderTest, ALinkToAFileCountsButALinkToAFolderDoesNot)
{
    test::TempDir target;
    const std::string file = target.write("marks.tqc", "x");

    test::TempDir dir;
    fs::create_directory_symlink(target.path(), dir.file("elsewhere"));
    EXPECT_FALSE(teacherFolderFound(dir.path()));
    fs::create_symlink(file, dir.file("marks.tqc"));
    EXPECT_TRUE(teacherFolderFound(dir.path()));
}

TEST(TeacherFolderTest, AFolderThatCannotBeExaminedCountsAsAbsent)
{
    test::TempDir dir;
    EXPECT_FALSE(teacherFolderFound(dir.file("missing")));
    EXPECT_FALSE(teacherFolderFound(""));

    // A plain file is no folder.
    EXPECT_FALSE(teacherFolderFound(dir.write("report.txt", "x")));

    fs::create_directory(dir.file("locked"));
    dir.write("locked/report.txt", "x");
    fs::permissions(dir.file("locked"), fs::perms::none);
    if (::geteuid() != 0) {   // root lists any folder
        EXPECT_FALSE(teacherFolderFound(dir.file("locked")));
    }
    fs::permissions(dir.file("locked"), fs::perms::owner_all);
    EXPECT_TRUE(teacherFolderFound(dir.file("locked")));
}

} // namespace
} // namespace tq
