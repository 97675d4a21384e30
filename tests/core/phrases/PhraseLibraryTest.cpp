#include "core/phrases/PhraseLibrary.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tq;
using namespace tq::test;

namespace {
PhraseLibraryLoad loadText(const TempDir& dir, const std::string& text)
{
    return loadPhraseLibrary(dir.write("TQPhraseLibrary.csv", text));
}

PhraseLibrary libraryOf(std::initializer_list<std::pair<const char*, const char*>> phrases)
{
    std::vector<PhraseRecord> records;
    for (auto [code, text] : phrases)
        records.push_back({code, text, ""});
    return PhraseLibrary(std::move(records));
}
} // namespace

TEST(PhraseLines, SplitAtTheFirstAndLastCommaWithZeroPadding)
{
    EXPECT_EQ(splitPhraseLine("0101,@ works well, and shares,AB1!"), (PhraseRecord{"0101", "@ works well, and shares", "AB1!"}));
    EXPECT_EQ(splitPhraseLine("7,Shows effort"), (PhraseRecord{"0007", "Shows effort", ""}));
    EXPECT_EQ(splitPhraseLine("12345, x ,"), (PhraseRecord{"12345", " x ", ""}));
    EXPECT_FALSE(splitPhraseLine("no comma"));
    EXPECT_TRUE(isSkippedPhraseLine("Mathematics #  "));
    EXPECT_FALSE(isSkippedPhraseLine("0101,# is fine,A"));
}

TEST(PhraseLibraryLoad, ReadsPhrasesSkippingHeaderAndHashLines)
{
    TempDir dir;
    const PhraseLibraryLoad load =
        loadText(dir, crlfLines({"0000,header is never a phrase,", "Science #", "0101,@ works well, and shares,AB1!",
                                 "7,Shows effort", "  heading line # "}));
    EXPECT_FALSE(load.message);
    ASSERT_EQ(load.library.phraseCount(), 2u);
    EXPECT_EQ(load.library.phrases()[1].code, "0007");
    EXPECT_FALSE(loadText(dir, "header only").message);
    EXPECT_EQ(loadText(dir, "header only\r\n").library.phraseCount(), 0u);
}

TEST(PhraseLibraryLoad, BadLibrariesEndTheProgramOrGoOnEmpty)
{
    TempDir dir;
    const PhraseLibraryLoad quoted = loadText(dir, crlfLines({"h", "0100,a,", "\"0101\",Quoted,A"}));
    ASSERT_TRUE(quoted.message);
    EXPECT_EQ(quoted.message->text,
              "TQ1: Your TQPhraseLibrary.csv file is corrupt. \r\n\r\nProbable Cause: Your TQPhraseLibrary.csv file "
              "has not been properly prepared by your Tallyquill Administrator as Tallyquill uses its own indexed "
              "version of the current Phrase Library.");
    EXPECT_TRUE(quoted.message->endsProgram);
    EXPECT_EQ(quoted.message->title, "Tallyquill");
    EXPECT_EQ(quoted.library.phraseCount(), 0u);

    const std::string tq2 = phraseLibraryCorruptMessage().text;
    EXPECT_EQ(tq2, "TQ2: TQPhraseLibary.csv file could not be found in your Tallyquill folder or this file is "
                   "corrupt. \r\nIt is more likely that this file has not been placed within your Tallyquill.exe "
                   "folder. If present, your TQPhraseLibary.csv file is therefore corrupt in some way.\r\n\r\n"
                   "Possible Corruption Cause: Your TQPhraseLibrary.csv file has not been properly prepared by your "
                   "Tallyquill Administrator as Tallyquill uses its own indexed version of the Board's Phrase Libary.");
    EXPECT_EQ(loadText(dir, crlfLines({"h", "0101,a,", ""})).message->text, tq2);     // blank line
    EXPECT_EQ(loadText(dir, crlfLines({"h", "   "})).message->text, tq2);             // spaces only
    EXPECT_EQ(loadText(dir, crlfLines({"h", "0101 no comma"})).message->text, tq2);
    EXPECT_EQ(loadText(dir, "").message->text, tq2);                                  // no header
    EXPECT_EQ(loadPhraseLibrary(dir.file("missing.csv")).message->text, tq2);
    EXPECT_TRUE(loadPhraseLibrary(dir.file("missing.csv")).message->endsProgram);

    std::filesystem::create_directory(dir.file("folder.csv"));
    const PhraseLibraryLoad notAFile = loadPhraseLibrary(dir.file("folder.csv"));
    EXPECT_EQ(notAFile.message->text, "TQ3: Tallyquill Phrase Libary Source File, TQPhraseLibrary.csv, cannot be found.");
    EXPECT_FALSE(notAFile.message->endsProgram);
}

TEST(PhraseLibraryLoad, HoldsAtMostTenThousandPhrases)
{
    TempDir dir;
    std::string text = "header\r\n";
    for (int i = 1; i <= 10000; ++i)
        text += padLeftZeros(std::to_string(i), 5) + ",Phrase,A\r\n";
    EXPECT_EQ(loadText(dir, text).library.phraseCount(), 10000u);
    EXPECT_EQ(loadText(dir, text + "99999,One too many,A\r\n").message->text.substr(0, 4), "TQ2:");
}

TEST(LookupPhrase, BinarySearchOverOrderedCodes)
{
    const PhraseLibrary lib = libraryOf({{"0002", "Two"}, {"0012", "\"Twelve.\""}, {"0100", " Hundred! "},
                                         {"0200", ""}, {"0300", "Three hundred"}});
    for (const char* code : {"0002", "0012", "0100", "0200", "0300"})
        EXPECT_FALSE(lookupPhrase(lib, code).empty()) << code;
    EXPECT_EQ(lookupPhrase(lib, "0012"), "Twelve. ");
    EXPECT_EQ(lookupPhrase(lib, "0100"), "Hundred!. ");
    EXPECT_EQ(lookupPhrase(lib, "0200"), ". ");
    EXPECT_EQ(lookupPhrase(lib, "12"), "");  // not padded
    EXPECT_EQ(lookupPhrase(lib, "0001"), ""); // below the first
    EXPECT_EQ(lookupPhrase(lib, "0301"), ""); // above the last
    EXPECT_EQ(lookupPhrase(lib, "0150"), "");
    EXPECT_EQ(lookupPhrase(lib, ""), "");
    EXPECT_EQ(lookupPhrase(lib, "    "), "");
    EXPECT_EQ(lookupPhrase(PhraseLibrary{}, "0002"), "");
}

TEST(LookupPhrase, LongCodesAndCodesAlikeInTheirFirstEightBytes)
{
    const std::string withNul("0012\0", 5);
    std::vector<PhraseRecord> records{{"0002", "a", ""},         {"0012", "b", ""},         {withNul, "c", ""},
                                      {"00120000", "d", ""},     {"001200000", "e", ""},    {"001200001", "f", ""},
                                      {"0012000010", "g", ""},   {"0100", "h", ""}};
    PhraseLibrary original(std::move(records));
    // A copy answers on its own once the library it was made from is gone.
    const PhraseLibrary lib = original;
    original = PhraseLibrary();
    const std::vector<std::pair<std::string, std::string>> expected{
        {"0002", "a. "},      {"0012", "b. "},      {withNul, "c. "},       {"00120000", "d. "},
        {"001200000", "e. "}, {"001200001", "f. "}, {"0012000010", "g. "}, {"0100", "h. "}};
    for (const auto& [code, sentence] : expected)
        EXPECT_EQ(lookupPhrase(lib, code), sentence) << code;
    for (const char* missing : {"001", "00120", "0012000", "001200002", "00120000100", "0013"})
        EXPECT_EQ(lookupPhrase(lib, missing), "") << missing;
}

TEST(TidySentence, EndsInExactlyOnePeriodAndASpace)
{
    EXPECT_EQ(tidySentence("\"Works well.\""), "Works well. ");
    EXPECT_EQ(tidySentence("  Needs help  "), "Needs help. ");
    EXPECT_EQ(tidySentence("Great!"), "Great!. ");
    EXPECT_EQ(tidySentence("Done.."), "Done.. ");
    EXPECT_EQ(tidySentence(""), ". ");
    EXPECT_EQ(tidySentence("\""), ". ");
}

TEST(PhraseLibraryLoad, OddBytesAndAMegabytePhrase)
{
    TempDir dir;
    // A library saved as "CSV UTF-8": the mark is on the header, and the phrases come back in
    // the program's code page.
    const PhraseLibraryLoad utf8 = loadText(dir, "\xEF\xBB\xBF" "Code,Text,Cat\r\n0101,@ a fait de gros progr\xc3\xa8s,F\r\n");
    ASSERT_FALSE(utf8.message);
    EXPECT_EQ(utf8.library.phrases()[0].text, "@ a fait de gros progr\xe8s");
    // A run of NUL bytes has no comma: corrupt, and the program ends.
    EXPECT_EQ(loadText(dir, "h\r\n0101,a,\r\n" + std::string(64, '\0')).message->text.substr(0, 4), "TQ2:");
    // Lone CR line ends read as any other.
    EXPECT_EQ(loadText(dir, "h\r0101,a,A\r0102,b,B\r").library.phraseCount(), 2u);
    const std::string longText(1 << 20, 'p');
    const PhraseLibraryLoad big = loadText(dir, "h\r\n0101," + longText + ",A\r\n");
    ASSERT_EQ(big.library.phraseCount(), 1u);
    EXPECT_EQ(lookupPhrase(big.library, "0101"), longText + ". ");
}
