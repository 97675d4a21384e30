#include "core/selection/FavouritesFile.h"
#include "support/SaveFaults.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {
PhraseLibrary library()
{
    std::vector<PhraseRecord> records;
    for (const char* code : {"0101", "0102", "0201", "0202", "0301"})
        records.push_back({code, "Phrase", ""});
    return PhraseLibrary(std::move(records));
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

TEST(FavouritesFile, KeepsCodesTheLibraryLacksAndWritesThemBackUnchanged)
{
    TempDir dir;
    Favourites fav;
    const std::string text = crlfLines({" 2 ", "50,59,0101,0999,0301,1,2,3,4,2,2", "0,49,0997,0201,0996,1,1,1,1,1,1",
                                        "0101", "12", "0998", "    ", "0201", "0998"});
    ASSERT_FALSE(read(fav, dir.write("f.tqf", text)));
    EXPECT_EQ(fav.favourites, (std::vector<std::string>{"0101", "12", "0998", "    ", "0201", "0998"}));
    EXPECT_EQ(fav.initialRanges[0].rangeComment2, "0999");
    EXPECT_EQ(favouritesFileText(fav), text);
    // Each lacking code once, the list's before the ranges'; blank codes are no codes.
    const LackedCodes codes = codesLibraryLacks(fav, library());
    EXPECT_EQ(codes.lacked, (std::vector<std::string>{"12", "0998", "0999", "0997", "0996"}));
    EXPECT_EQ(codes.used, 8u);
    // An old file without the sixth skill: it takes the fifth, not the fourth.
    ASSERT_FALSE(read(fav, dir.write("old.tqf", crlfLines({" 1 ", "50,59,0101,,,1,2,3,4,2", "0101"}))));
    EXPECT_EQ(fav.initialRanges[0].rangeSkills, (std::array<std::string, 6>{"1", "2", "3", "4", "2", "2"}));
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

TEST(FavouritesSave, EveryFailureGivesTQ18AndKeepsTheOldFile)
{
    Favourites fav;
    fav.initialRanges = defaultInitialRanges();
    fav.favourites = {"0101", "    ", "0102"};
    expectSaveSurvivesEveryFault(
        [&](const std::string& path, const ByteWriterFactory& w) {
            fav.favouritesFile = path;
            const MaybeMessage m = saveFavourites(fav, w);
            if (m) {
                EXPECT_EQ(m->text, "TQ18: Favourites file could not be saved. \r\nIt is likely that your disk is full "
                                   "or the floppy is not in the drive.\r\nYou should fix the problem and save your "
                                   "favourites in the Comment Selection window.");
            }
            return !m;
        },
        "favourites.tqf", favouritesFileText(fav));
    EXPECT_EQ(fav.favourites.size(), 3u); // memory is never touched by a save
    fav.favouritesFile = "";
    EXPECT_TRUE(saveFavourites(fav)); // no name: nothing to write to
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

TEST(FavouritesSave, ASavedListAlwaysReadsBack)
{
    TempDir dir;
    Favourites fav;
    fav.favouritesFile = dir.file("mine.tqf");
    fav.favourites = {"0101"};
    fav.initialRanges = defaultInitialRanges();
    // Appending brings a separator in as an empty entry and takes any text unchecked.
    ASSERT_TRUE(appendFavouritesFrom(fav, dir.write("other.tqf", crlfLines({" 0 ", "0201", "    ", "XYZ", "0202"}))));
    ASSERT_EQ(fav.favourites, (std::vector<std::string>{"0101", "0201", "", "XYZ", "0202"}));
    // A range with the sixth skill not set, and a skill value holding a comma.
    fav.initialRanges[0].rangeSkills[5] = "";
    fav.initialRanges[1].rangeSkills[2] = "3,4";
    ASSERT_FALSE(saveFavourites(fav));

    Favourites back;
    ASSERT_FALSE(read(back, fav.favouritesFile));
    EXPECT_EQ(back.favourites, (std::vector<std::string>{"0101", "0201", "    ", "0202"}));
    EXPECT_EQ(back.initialRanges, fav.initialRanges);
}

TEST(FavouritesFile, OldFormatOnlyWhenTheSixthFieldIsMissing)
{
    // Ten fields, eleven with the last empty, and a quoted fifth skill ending the line.
    Favourites fav;
    ASSERT_FALSE(read(fav, dataFile("old-and-new-ranges.tqf")));
    EXPECT_EQ(fav.initialRanges[0].rangeSkills[5], "4"); // ten fields: the fifth stands for both
    EXPECT_EQ(fav.initialRanges[1].rangeSkills[5], "");  // an eleventh field that is empty
    EXPECT_EQ(fav.initialRanges[2].rangeSkills[4], "2");
    EXPECT_EQ(fav.initialRanges[2].rangeSkills[5], "2");
}

TEST(FavouritesFile, OddBytesFromOtherProgramsAndDisks)
{
    TempDir dir;
    Favourites fav;
    EXPECT_FALSE(read(fav, dir.write("bom.tqf", "\xEF\xBB\xBF 0 \r\n0101\r\n")));
    EXPECT_EQ(fav.favourites, std::vector<std::string>{"0101"});
    EXPECT_FALSE(read(fav, dir.write("cr.tqf", " 0 \r0101\r0102\r")));
    EXPECT_EQ(fav.favourites, (std::vector<std::string>{"0101", "0102"}));
    EXPECT_EQ(read(fav, dir.write("nul.tqf", " 0 \r\n0101\r\n" + std::string(16, '\0')))->text,
              "TQ17: Invalid Favourites file.");
    // A megabyte entry of digits passes the entry check and, like any code the library lacks, is
    // kept to be written back as it was.
    EXPECT_FALSE(read(fav, dir.write("long.tqf", " 0 \r\n0101\r\n0101" + std::string(1 << 20, '1') + "\r\n")));
    ASSERT_EQ(fav.favourites.size(), 2u);
    EXPECT_EQ(fav.favourites[1].size(), 4u + (1 << 20));
}
