// Editing the favourites row by row, the entries made again from the rows after each edit, the
// full list, and the file commands' rules.
#include "core/selection/FavouritesCommands.h"
#include "core/selection/FavouritesListText.h"
#include "core/selection/FavouritesRows.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {

using Rows = std::vector<std::string>;

const PhraseLibrary& library()
{
    static const PhraseLibrary lib({{"0101", "Reads widely", ""}, {"0102", "Writes clearly", ""}, {"0103", "Asks questions", ""}});
    return lib;
}

std::string row(const std::string& code) { return favouriteEntryLine(code, library()); }

// Applies the change (which must exist) and returns the entries the rows now stand for.
Rows edit(Rows& rows, const std::optional<RowChange>& change, const std::string& inserted = {})
{
    EXPECT_TRUE(change);
    if (change)
        applyRowChange(rows, *change, inserted);
    return entriesFromRows(rows);
}

} // namespace

TEST(FavouritesRows, EachEditMovesTheRowsAndTheEntriesFollow)
{
    Rows rows{row("0101"), row("0102"), row("0103")};

    // A separator after row 0: second of four, its entry blank.
    std::optional<RowChange> c = insertRowChange(rows.size(), 0);
    EXPECT_EQ(c->selected, 1u);
    EXPECT_EQ(edit(rows, c, favouriteSeparatorLine), (Rows{"0101", "    ", "0102", "0103"}));

    // With nothing selected a phrase goes at the end, and the same code may come twice.
    c = insertRowChange(rows.size(), std::nullopt);
    EXPECT_EQ(c->to, 4u);
    EXPECT_EQ(edit(rows, c, row("0101")), (Rows{"0101", "    ", "0102", "0103", "0101"}));

    // Up at the top and down at the bottom do nothing; elsewhere the row swaps with its neighbour.
    EXPECT_FALSE(moveUpChange(rows.size(), 0));
    EXPECT_FALSE(moveDownChange(rows.size(), 4));
    EXPECT_FALSE(moveUpChange(rows.size(), std::nullopt));
    c = moveDownChange(rows.size(), 0);
    EXPECT_EQ(c->selected, 1u);
    EXPECT_EQ(edit(rows, c), (Rows{"    ", "0101", "0102", "0103", "0101"}));
    EXPECT_EQ(edit(rows, moveUpChange(rows.size(), 4)), (Rows{"    ", "0101", "0102", "0101", "0103"}));

    // Dragging row 4 to row 1 moves the rows between down by one.
    c = dragChange(rows.size(), 4, 1);
    EXPECT_EQ(c->selected, 1u);
    EXPECT_EQ(edit(rows, c), (Rows{"    ", "0103", "0101", "0102", "0101"}));
    EXPECT_FALSE(dragChange(rows.size(), std::nullopt, 1));
    EXPECT_FALSE(dragChange(rows.size(), 2, 2));

    // Removing the last row selects the new last one; removing the only row leaves no selection.
    c = removeRowChange(rows.size(), 4);
    EXPECT_EQ(c->selected, 3u);
    EXPECT_EQ(edit(rows, c), (Rows{"    ", "0103", "0101", "0102"}));
    c = removeRowChange(rows.size(), 1);
    EXPECT_EQ(c->selected, 1u);
    EXPECT_FALSE(removeRowChange(rows.size(), std::nullopt));
    Rows only{row("0102")};
    c = removeRowChange(1, 0);
    EXPECT_FALSE(c->selected);
    EXPECT_TRUE(edit(only, c).empty());
}

TEST(FavouritesRows, EntriesAreTheFirstFourCharactersOfEachRow)
{
    // A code the library does not hold shows as itself and a space; a longer one is cut to four.
    EXPECT_EQ(entriesFromRows({row("0999"), "12345 text", favouriteSeparatorLine, "12 "}),
              (Rows{"0999", "1234", "    ", "12 "}));
}

TEST(FavouritesRows, AFullListTakesNoNewRow)
{
    EXPECT_FALSE(insertRowChange(maxFavourites, 3));
    EXPECT_TRUE(insertRowChange(maxFavourites - 1, 3));
    EXPECT_TRUE(favouritesFull(maxFavourites));
    EXPECT_TRUE(favouritesFullMessage().text.starts_with("TQ19: "));
}

TEST(FavouritesCommands, AppendingAFileAddsAllOfItOrNothing)
{
    TempDir dir;
    const std::string file = dir.write("more.tqf", crlfLines({" 1 ", "80,100,,,,4,4,4,4,4,4", "0102", "    ", "0103"}));
    Favourites fav;
    fav.favouritesFile = "/mine.tqf";
    fav.favourites = {"0101"};
    fav.initialRanges = defaultInitialRanges();
    EXPECT_FALSE(appendFavouritesFile(fav, file));
    // The separator arrives empty, as the file's items are read; name and ranges stay.
    EXPECT_EQ(fav.favourites, (Rows{"0101", "0102", "", "0103"}));
    EXPECT_EQ(fav.favouritesFile, "/mine.tqf");
    EXPECT_EQ(fav.initialRanges.size(), 7u);

    // Three more entries do not fit into 998: none is added.
    fav.favourites.assign(maxFavourites - 2, "0101");
    EXPECT_EQ(appendFavouritesFile(fav, file), favouritesFullMessage());
    EXPECT_EQ(fav.favourites.size(), maxFavourites - 2);
    // Into 997 they do.
    fav.favourites.pop_back();
    EXPECT_FALSE(appendFavouritesFile(fav, file));
    EXPECT_EQ(fav.favourites.size(), maxFavourites);
    EXPECT_EQ(appendFavouritesFile(fav, file), favouritesFullMessage());

    Favourites small;
    EXPECT_EQ(appendFavouritesFile(small, dir.file("missing.tqf")), invalidFavouritesFileMessage());
    EXPECT_TRUE(small.favourites.empty());
}

TEST(FavouritesCommands, ANewListHasNoFileNoEntriesAndTheDefaultRanges)
{
    Favourites fav;
    fav.favouritesFile = "/a.tqf";
    fav.favourites = {"0101"};
    newFavourites(fav);
    EXPECT_EQ(fav.favouritesFile, "");
    EXPECT_TRUE(fav.favourites.empty());
    EXPECT_EQ(fav.initialRanges, defaultInitialRanges());
}

TEST(FavouritesCommands, OnlyANameTheReaderAcceptsIsSavedWithoutAsking)
{
    EXPECT_TRUE(savesUnderItsName("/home/t/Mine.tqf"));
    EXPECT_FALSE(savesUnderItsName(""));
    EXPECT_FALSE(savesUnderItsName("/home/t/ENG2D1-01.tqc")); // refused when opened: never written over
    EXPECT_FALSE(savesUnderItsName("/home/t/Mine.TQF"));
}
