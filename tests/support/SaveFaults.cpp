#include "support/SaveFaults.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace tq::test {

namespace fs = std::filesystem;

namespace {
const std::string oldBytes = "the teacher's work from last week\r\n";

void expectRefusedAndUntouched(const SaveFunction& save, const TempDir& dir, const std::string& path,
                               const std::string& why)
{
    const std::vector<std::string> before = dir.fileNames();
    EXPECT_FALSE(save(path, {})) << why;
    EXPECT_EQ(dir.fileNames(), before) << why;
}
} // namespace

void expectSaveSurvivesEveryFault(const SaveFunction& save, const std::string& fileName,
                                  const std::string& expected)
{
    {
        SCOPED_TRACE("a writer that fails part-way");
        TempDir dir;
        const std::string path = dir.write(fileName, oldBytes);
        for (size_t n = 0; n < expected.size(); ++n) {
            ASSERT_FALSE(save(path, failingAfter(n))) << "failing after " << n << " bytes";
            ASSERT_EQ(readBytes(path), oldBytes) << "failing after " << n << " bytes";
            ASSERT_EQ(dir.fileNames(), std::vector<std::string>{fileName}) << "failing after " << n << " bytes";
        }
        // A writer that could take one byte more than the file holds does not fail.
        EXPECT_TRUE(save(path, failingAfter(expected.size())));
        EXPECT_EQ(readBytes(path), expected);
    }
    {
        SCOPED_TRACE("targets that cannot be replaced");
        TempDir dir;
        fs::create_directory(dir.file(fileName));
        expectRefusedAndUntouched(save, dir, dir.file(fileName), "a folder of that name");
        EXPECT_TRUE(fs::is_directory(dir.file(fileName)));
        expectRefusedAndUntouched(save, dir, dir.file("no such folder/" + fileName), "a missing folder");

        const std::string readOnly = dir.write("protected-" + fileName, oldBytes);
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        expectRefusedAndUntouched(save, dir, readOnly, "a read-only file");
        EXPECT_EQ(readBytes(readOnly), oldBytes);
    }
    if (::geteuid() != 0) { // root writes into any folder
        SCOPED_TRACE("a read-only folder");
        TempDir dir;
        const std::string path = dir.write(fileName, oldBytes);
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(save(path, {}));
        fs::permissions(dir.path(), fs::perms::owner_all);
        EXPECT_EQ(readBytes(path), oldBytes);
        EXPECT_EQ(dir.fileNames(), std::vector<std::string>{fileName});
    }
    {
        SCOPED_TRACE("a target reached through a symbolic link, then a plain save");
        TempDir dir;
        fs::create_directory(dir.file("real"));
        const std::string real = dir.write("real/" + fileName, oldBytes);
        fs::create_symlink(real, dir.file(fileName));
        EXPECT_TRUE(save(dir.file(fileName), {}));
        EXPECT_TRUE(fs::is_symlink(dir.file(fileName)));
        EXPECT_EQ(readBytes(real), expected);
        EXPECT_TRUE(save(dir.file("new-" + fileName), {}));
        EXPECT_EQ(readBytes(dir.file("new-" + fileName)), expected);
        EXPECT_EQ(dir.fileNames(), (std::vector<std::string>{fileName, "new-" + fileName, "real"}));
    }
}

} // namespace tq::test
