#include "core/base/Cp1252.h"
#include "core/base/InstanceLock.h"
#include "core/base/LeftSaveFiles.h"
#include "core/base/TextFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace tq;
using namespace tq::test;

namespace {
using Lines = std::vector<std::string>;
}

TEST(TextFileLines, EveryLineEndCountsAndTheLastOneMakesNoEmptyLine)
{
    EXPECT_EQ(textFileLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(textFileLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(textFileLines("a\r"), Lines{"a"}); // a lone CR at the very end
    EXPECT_EQ(textFileLines("a\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(textFileLines("a\r\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(textFileLines(""), Lines{});
    EXPECT_EQ(textFileLines("\r\n"), Lines{""});
}

TEST(TextFileLines, NulBytesAndWindows1252BytesAreKeptAsTheyAre)
{
    const std::string withNul("Ab\0c\r\n\0\0\0", 9);
    EXPECT_EQ(textFileLines(withNul), (Lines{std::string("Ab\0c", 4), std::string(3, '\0')}));
    EXPECT_EQ(textFileLines("O\xe9 Gr\xe2" "ce\x80"), Lines{"O\xe9 Gr\xe2" "ce\x80"});
    // Bytes that look like UTF-8 are not converted when the file does not say it is UTF-8.
    EXPECT_EQ(textFileLines("Ren\xc3\xa9"), Lines{"Ren\xc3\xa9"});
}

TEST(TextFileLines, AUtf8ByteOrderMarkIsDroppedAndTheTextConverted)
{
    EXPECT_EQ(textFileLines("\xEF\xBB\xBF" "header\r\nRen\xc3\xa9 \xe2\x82\xac 5\r\n"),
              (Lines{"header", "Ren\xe9 \x80 5"}));
    // A character the code page lacks becomes '?'; a byte that is not UTF-8 stays.
    EXPECT_EQ(textFileLines("\xEF\xBB\xBF" "\xe4\xb8\xad|\xff|\xc3"), Lines{"?|\xff|\xc3"});
    EXPECT_EQ(textFileLines("\xEF\xBB\xBF"), Lines{});
    // A mark anywhere else is text.
    EXPECT_EQ(textFileLines("a\r\n\xEF\xBB\xBF" "b"), (Lines{"a", "\xEF\xBB\xBF" "b"}));
}

TEST(Cp1252, EveryByteHasACharacterAndBackAgain)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(static_cast<unsigned char>(cp1252ByteFor(cp1252CharOf(static_cast<unsigned char>(b)))), b);
    EXPECT_EQ(cp1252CharOf(0x80), U'\u20AC');
    EXPECT_EQ(cp1252ByteFor(U'\u4E2D'), '?');
    // Overlong forms and encoded surrogates are not UTF-8: their bytes are kept.
    EXPECT_EQ(utf8ToCp1252("\xc0\xaf"), "\xc0\xaf");
    EXPECT_EQ(utf8ToCp1252("\xed\xa0\x80"), "\xed\xa0\x80");
    EXPECT_EQ(utf8ToCp1252("\xf0\x9f\x98\x80!"), "?!");
}

TEST(Cp1252, ToUtf8AndBackKeepsEveryByteAndOnlyWellFormedTextIsUtf8)
{
    std::string every;
    for (int b = 1; b < 256; ++b)
        every.push_back(static_cast<char>(b));
    const std::string text = cp1252ToUtf8(every);
    EXPECT_TRUE(isWellFormedUtf8(text));
    EXPECT_EQ(utf8ToCp1252(text), every);
    EXPECT_EQ(cp1252ToUtf8("\xc9" "cole \x80"), "\xc3\x89" "cole \xe2\x82\xac");

    EXPECT_TRUE(isWellFormedUtf8(""));
    EXPECT_TRUE(isWellFormedUtf8("plain"));
    EXPECT_FALSE(isWellFormedUtf8("\xc9" "cole"));          // Windows-1252
    EXPECT_FALSE(isWellFormedUtf8("caf\xc3"));           // cut short
    EXPECT_FALSE(isWellFormedUtf8("\xc0\xaf"));          // overlong
    EXPECT_FALSE(isWellFormedUtf8("\xed\xa0\x80"));      // a surrogate
}

TEST(ReadTextLines, ReadsAMegabyteLineWholeAndRefusesWhatIsNotAFile)
{
    TempDir dir;
    const std::string longLine(1 << 20, 'x');
    const auto lines = readTextLines(dir.write("long.txt", "first\r\n" + longLine + "\rlast"));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[1], longLine);
    EXPECT_FALSE(readTextLines(dir.path()));
    EXPECT_FALSE(readTextLines(dir.file("missing.txt")));
    // A named pipe is refused at once rather than waited on for a writer.
    const std::string fifo = dir.file("pipe.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(readTextFile(fifo));
    EXPECT_EQ(readTextFile(dir.write("empty.txt", "")), "");
}

TEST(ReplaceFileAtomically, ANewFileGetsTheModeAnOrdinaryCreateGives)
{
    TempDir dir;
    const auto modeOf = [](const std::string& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_mode & 07777;
    };
    const mode_t teachers = ::umask(077);
    ASSERT_TRUE(replaceFileAtomically(dir.file("private.tqc"), "Ames,Kim\r\n"));
    EXPECT_EQ(modeOf(dir.file("private.tqc")), 0600u);
    ::umask(002);
    ASSERT_TRUE(replaceFileAtomically(dir.file("shared.tqc"), "Ames,Kim\r\n"));
    EXPECT_EQ(modeOf(dir.file("shared.tqc")), 0664u);
    // A file that is replaced keeps its own mode, whatever the mask.
    ::chmod(dir.file("private.tqc").c_str(), 0640);
    ASSERT_TRUE(replaceFileAtomically(dir.file("private.tqc"), "Ames,Kim,87\r\n"));
    EXPECT_EQ(modeOf(dir.file("private.tqc")), 0640u);
    ::umask(teachers);
}

TEST(FolderOfFile, TheFolderThatHoldsAFile)
{
    EXPECT_EQ(folderOfFile("/home/t/Documents/ENG2D101.tqc"), "/home/t/Documents");
    EXPECT_EQ(folderOfFile("/ENG.tqc"), "/");
    EXPECT_EQ(folderOfFile("ENG.tqc"), ".");
}

TEST(ReplaceFileAtomically, RemovesOnlyTheTemporaryFilesThatInterruptedSavesLeft)
{
    TempDir dir;
    const std::string left = dir.write(".tallyquill-save-Ab12Cd", "Ames,Kim,87\r\n");
    const std::string teachers = dir.write(".tallyquill-save-Ab12Cd.tqc", "Ames,Kim\r\n");
    const std::string beingWritten = dir.write(".tallyquill-save-Zz9Yy8", "Ames,");
    InstanceLock otherSave = InstanceLock::take(beingWritten);
    ASSERT_TRUE(otherSave.held());
    ASSERT_TRUE(replaceFileAtomically(dir.file("ENG2D101.tqc"), "Ames,Kim,91\r\n"));
    EXPECT_FALSE(fileExists(left));
    EXPECT_TRUE(fileExists(teachers));
    EXPECT_TRUE(fileExists(beingWritten));

    // This save's own temporary file is held too: another save's clean-up while it is written
    // leaves it, and the save ends whole.
    struct CleanUpMidWrite : ByteWriter {
        int fd;
        std::string folder;
        CleanUpMidWrite(int f, std::string d) : fd(f), folder(std::move(d)) {}
        bool write(std::string_view bytes) override
        {
            removeLeftSaveFiles(folder);
            return ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        }
    };
    ASSERT_TRUE(replaceFileAtomically(dir.file("ENG2D101.tqc"), "Ames,Kim,92\r\n",
                                      [&](int fd) { return std::make_unique<CleanUpMidWrite>(fd, dir.path()); }));
    EXPECT_EQ(readBytes(dir.file("ENG2D101.tqc")), "Ames,Kim,92\r\n");
}
