// The teacher's own word list: read in either encoding, added to without ever losing the list.
#include "core/spelling/TeacherWords.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tq;
using namespace tq::test;

TEST(TeacherWords, OneWordALineInUtf8OrWindows1252)
{
    using Words = std::vector<std::string>;
    EXPECT_EQ(teacherWordsOf("Kahoot\n  Quizlet \r\n\r\n\tZo\xC3\xAB\n"), (Words{"Kahoot", "Quizlet", "Zo\xEB"}));
    EXPECT_EQ(teacherWordsOf("\xEF\xBB\xBFZo\xC3\xAB"), Words{"Zo\xEB"});
    EXPECT_EQ(teacherWordsOf("Zo\xEB\r\nFran\xE7ois"), (Words{"Zo\xEB", "Fran\xE7ois"})) << "not UTF-8: Windows-1252";
    EXPECT_EQ(readTeacherWords(""), Words{});
    TempDir dir;
    EXPECT_EQ(readTeacherWords(dir.file("none.txt")), Words{});
    EXPECT_EQ(readTeacherWords(dir.path()), Words{}) << "a folder";
}

TEST(TeacherWords, AWordIsAddedInTheListsOwnEncodingAndTheListIsNeverLost)
{
    TempDir dir;
    // A new list, in a folder not made yet; a word listed is not added twice.
    const std::string fresh = dir.file("tallyquill/words.txt");
    EXPECT_TRUE(addTeacherWord(fresh, "Zo\xEB"));
    EXPECT_TRUE(addTeacherWord(fresh, "Kahoot"));
    EXPECT_TRUE(addTeacherWord(fresh, "Kahoot"));
    EXPECT_EQ(readBytes(fresh), "Zo\xC3\xAB\nKahoot\n");

    // A list written by hand in Windows-1252, without a last line end, stays so.
    const std::string byHand = dir.write("byhand.txt", "Fran\xE7ois");
    EXPECT_TRUE(addTeacherWord(byHand, "Zo\xEB"));
    EXPECT_EQ(readBytes(byHand), "Fran\xE7ois\nZo\xEB\n");

    // A write that fails part-way leaves the old list and no other file.
    const std::string old = "Kahoot\r\n";
    std::filesystem::create_directory(dir.file("failing"));
    const std::string path = dir.write("failing/words.txt", old);
    for (size_t n = 0; n < old.size() + 7; ++n) {
        EXPECT_FALSE(addTeacherWord(path, "Quizlet", failingAfter(n))) << n;
        EXPECT_EQ(readBytes(path), old) << n;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("failing")), {}), 1);

    // A list too large to be read whole is read in part and never written.
    std::string huge;
    while (huge.size() <= maxTeacherWordsBytes)
        huge += "word\n";
    const std::string large = dir.write("large.txt", huge);
    EXPECT_FALSE(addTeacherWord(large, "Quizlet"));
    EXPECT_EQ(readBytes(large), huge);
    EXPECT_EQ(readTeacherWords(large).size(), maxTeacherWordsBytes / 5);

    // Nothing that is not one word is added; no list, no adding.
    for (const std::string word : {"", "  ", "two\nlines"})
        EXPECT_FALSE(addTeacherWord(fresh, word)) << word;
    EXPECT_FALSE(addTeacherWord("", "Kahoot"));
    EXPECT_FALSE(addTeacherWord(dir.path(), "Kahoot")) << "a folder";
}
