#include "selection/FavouritesFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {
PhraseLibrary library()
{
    PhraseLibrary lib;
    for (const char* code : {"0101", "0102", "0201", "0202", "0301"})
        lib.phrases.push_back({code, "Phrase", ""});
    return lib;
}

MaybeMessage read(Favourites& fav, const std::string& path)
{
    fav.favouritesFile = path;
    return readFavourites(fav, library());
}
} // namespace

TEST(DefaultRanges, SevenRangesFromExcellentToNeedsImprovement)
{
    const std::vector<InitialValueRange> r = defaultInitialRanges();
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[0].lowMark, 80);
    EXPECT_EQ(r[0].highMark, 100);
    EXPECT_EQ(r[0].rangeSkills[5], "4");
    EXPECT_EQ(r[3].rangeSkills[0], "2");
    EXPECT_EQ(r[6].lowMark, 0);
    EXPECT_EQ(r[6].highMark, 19);
    EXPECT_EQ(r[6].rangeComment1, "");
}

TEST(FavouritesFile, WritesRangesThenEntriesAndReadsThemBack)
{
    TempDir dir;
    Favourites fav;
    fav.favouritesFile = dir.file("mine.tqf");
    fav.initialRanges = defaultInitialRanges();
    fav.initialRanges[0].rangeComment2 = "0102";
    fav.initialRanges.push_back({-5, 200, "0101", "", "0301", {"1", "", "3", "4", "", "2"}});
    fav.favourites = {"0101", "    ", "0202"};
    ASSERT_FALSE(saveFavourites(fav));
    const std::string text = readBytes(fav.favouritesFile);
    EXPECT_EQ(text.substr(0, 32), " 8 \r\n80,100,,0102,,4,4,4,4,4,4\r\n");
    EXPECT_NE(text.find("-5,200,0101,,0301,1,,3,4,,2\r\n0101\r\n    \r\n0202\r\n"), std::string::npos);

    Favourites back;
    EXPECT_FALSE(read(back, fav.favouritesFile));
    EXPECT_EQ(back.favourites, fav.favourites);
    EXPECT_EQ(back.initialRanges, fav.initialRanges);
}

TEST(FavouritesFile, CleansCodesTheLibraryLacks)
{
    TempDir dir;
    Favourites fav;
    ASSERT_FALSE(read(fav, dir.write("f.tqf", crlfLines({" 1 ", "50,59,0101,0999,0301,2,2,2,2,2",
                                                          "0101", "12", "0998", "    ", "0201"}))));
    EXPECT_EQ(fav.favourites, (std::vector<std::string>{"0101", "    ", "0201"}));
    ASSERT_EQ(fav.initialRanges.size(), 1u);
    EXPECT_EQ(fav.initialRanges[0].rangeComment1, "0101");
    EXPECT_EQ(fav.initialRanges[0].rangeComment2, "");
    EXPECT_EQ(fav.initialRanges[0].rangeComment3, "0301");
    // An old file without the sixth skill: it takes the fifth.
    EXPECT_EQ(fav.initialRanges[0].rangeSkills[5], "2");
}

TEST(FavouritesFile, EmptyFileWithNoRangesIsAccepted)
{
    TempDir dir;
    Favourites fav;
    fav.favourites = {"0101"};
    EXPECT_FALSE(read(fav, dir.write("z.tqf", "0\r\n")));
    EXPECT_TRUE(fav.favourites.empty());
    EXPECT_TRUE(fav.initialRanges.empty());
}

TEST(FavouritesFile, RefusedFilesLeaveNoEntriesAndNoRanges)
{
    TempDir dir;
    const std::string tq17 = "TQ17: Invalid Favourites file.";
    const std::pair<const char*, std::string> bad[] = {
        {"letters.tqf", crlfLines({" 0 ", "0101", "ABCD"})},
        {"blank.tqf", crlfLines({" 0 ", "0101", "", "0102"})},
        {"count.tqf", crlfLines({"seven", "0101"})},
        {"short.tqf", crlfLines({" 3 ", "80,100,,,,4,4,4,4,4,4"})},
        {"mark.tqf", crlfLines({" 1 ", "eighty,100,,,,4,4,4,4,4,4", "0101"})},
        {"quote.tqf", crlfLines({" 1 ", "80,100,\"0101,,4,4,4,4,4,4", "0101"})},
        {"ranges.tqf", crlfLines({" 101 "})},
        {"empty.tqf", ""},
    };
    for (const auto& [name, text] : bad) {
        Favourites fav;
        fav.favourites = {"0101"};
        fav.initialRanges = defaultInitialRanges();
        const MaybeMessage m = read(fav, dir.write(name, text));
        ASSERT_TRUE(m) << name;
        EXPECT_EQ(m->text, tq17) << name;
        EXPECT_EQ(m->title, "Tallyquill");
        EXPECT_TRUE(fav.favourites.empty()) << name;
        EXPECT_TRUE(fav.initialRanges.empty()) << name;
        EXPECT_EQ(fav.favouritesFile, dir.file(name));
    }
    Favourites fav;
    EXPECT_EQ(read(fav, dir.file("missing.tqf"))->text, tq17);
    EXPECT_EQ(read(fav, dir.write("upper.TQF", " 0 \r\n"))->text, "TQ16: Invalid Favourites file type.");
    EXPECT_EQ(fav.favouritesFile, dir.file("upper.TQF"));
}

TEST(FavouritesFile, HoldsAtMostAThousandEntriesAndAHundredRanges)
{
    TempDir dir;
    std::string ranges = " 100 \r\n";
    for (int i = 0; i < 100; ++i)
        ranges += std::to_string(i) + "," + std::to_string(i) + ",,,,3,3,3,3,3,3\r\n";
    std::string entries;
    for (int i = 0; i < 1000; ++i)
        entries += "0101\r\n";
    Favourites fav;
    EXPECT_FALSE(read(fav, dir.write("full.tqf", ranges + entries)));
    EXPECT_EQ(fav.favourites.size(), 1000u);
    EXPECT_EQ(fav.initialRanges.size(), 100u);
    EXPECT_TRUE(read(fav, dir.write("over.tqf", ranges + entries + "0101\r\n")));
}

TEST(FavouritesSave, FailureGivesTQ18AndKeepsTheOldFile)
{
    TempDir dir;
    Favourites fav;
    fav.favouritesFile = dir.write("f.tqf", "old favourites");
    fav.initialRanges = defaultInitialRanges();
    fav.favourites = {"0101", "0102"};
    const size_t size = favouritesFileText(fav).size();
    for (size_t n = 0; n < size; n += 5) {
        const MaybeMessage m = saveFavourites(fav, failingAfter(n));
        ASSERT_TRUE(m);
        EXPECT_EQ(m->text, "TQ18: Favourites file could not be saved. \r\nIt is likely that your disk is full or the "
                           "floppy is not in the drive.\r\nYou should fix the problem and save your favourites in "
                           "the Comment Selection window.");
        EXPECT_EQ(readBytes(fav.favouritesFile), "old favourites");
    }
    EXPECT_EQ(dir.fileNames(), std::vector<std::string>{"f.tqf"});
    fav.favouritesFile = dir.file("no/such/folder.tqf");
    EXPECT_TRUE(saveFavourites(fav));
}

TEST(AppendFavourites, AddsEntriesAsDelimitedItemsWithoutChecks)
{
    TempDir dir;
    Favourites fav;
    fav.favouritesFile = "kept.tqf";
    fav.favourites = {"0101"};
    fav.initialRanges = defaultInitialRanges();
    EXPECT_TRUE(appendFavouritesFrom(fav, dir.write("other.txt", crlfLines({" 1 ", "80,100,,,,4,4,4,4,4,4", "0202",
                                                                           "    ", "  0301,\"0102\"", "XYZ"}))));
    EXPECT_EQ(fav.favourites, (std::vector<std::string>{"0101", "0202", "", "0301", "0102", "XYZ"}));
    EXPECT_EQ(fav.favouritesFile, "kept.tqf");
    EXPECT_EQ(fav.initialRanges.size(), 7u);
}

TEST(AppendFavourites, StopsAtTheCapKeepingWhatWasAppended)
{
    TempDir dir;
    Favourites fav;
    fav.favourites.assign(998, "0101");
    EXPECT_FALSE(appendFavouritesFrom(fav, dir.write("o.tqf", crlfLines({" 0 ", "0201", "0202", "0301"}))));
    EXPECT_EQ(fav.favourites.size(), 1000u);
    EXPECT_EQ(fav.favourites.back(), "0202");
    EXPECT_FALSE(appendFavouritesFrom(fav, dir.file("missing.tqf")));
}
