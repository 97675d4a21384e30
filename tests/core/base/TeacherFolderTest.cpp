#include "core/base/TeacherFolder.h"

#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tq {
namespace {

namespace fs = std::filesystem;

TEST(TeacherFolderTest, AnyFolderThatCanBeListedCountsEvenAnEmptyOne)
{
    test::TempDir dir;
    EXPECT_TRUE(teacherFolderFound(dir.path()));
    EXPECT_FALSE(teacherFolderFound(dir.file("missing")));
    EXPECT_FALSE(teacherFolderFound(""));
    EXPECT_FALSE(teacherFolderFound(dir.write("report.txt", "x"))); // a plain file is no folder

    fs::create_directory(dir.file("locked"));
    fs::permissions(dir.file("locked"), fs::perms::none);
    if (::geteuid() != 0) { // root lists any folder
        EXPECT_FALSE(teacherFolderFound(dir.file("locked")));
    }
    fs::permissions(dir.file("locked"), fs::perms::owner_all);
}

TEST(TeacherFolderTest, TheDocumentsFolderIsTheOneTheDesktopNames)
{
    test::TempDir home;
    // No user-dirs.dirs: ~/Documents.
    EXPECT_EQ(documentsFolder(home.path(), ""), home.path() + "/Documents");

    fs::create_directories(home.file(".config"));
    home.write(".config/user-dirs.dirs", "# written by xdg-user-dirs-update\n"
                                         "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                         "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(documentsFolder(home.path(), ""), home.path() + "/Dokumente");

    // An absolute folder, with an escaped character and a trailing slash; CR LF line ends.
    home.write(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"/srv/home/t\\\"s docs/\"\r\n");
    EXPECT_EQ(documentsFolder(home.path(), ""), "/srv/home/t\"s docs");

    // The configuration folder named by XDG_CONFIG_HOME; a line that is not of the form is skipped.
    fs::create_directories(home.file("cfg"));
    home.write("cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=Documents\nXDG_DOCUMENTS_DIR = \"$HOME/Work\"\n");
    EXPECT_EQ(documentsFolder(home.path(), home.file("cfg")), home.path() + "/Work");

    // The desktop may name the home folder itself.
    home.write("cfg/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/\"\n");
    EXPECT_EQ(documentsFolder(home.path(), home.file("cfg")), home.path());
}

} // namespace
} // namespace tq
