#include "core/selection/FavouritesListText.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(FavouritesListText, PaletteEndsWithTheNoCommentLine)
{
    const PhraseLibrary lib({{"0123", "@ reads widely", ""}, {"0456", "\"Asks questions.\"", ""}});
    Favourites fav;
    fav.favourites = {"0123", "    ", "0456", ""};
    const std::vector<std::string> lines = favouritesListLines(fav, lib);
    EXPECT_EQ(lines, (std::vector<std::string>{"0123 @ reads widely. ", "           ---------------",
                                               "0456 Asks questions. ", "           ---------------",
                                               "           no comment (delete existing comment)"}));
    EXPECT_EQ(codeOfFavouritesLine(lines[1]), "    ");
    EXPECT_EQ(codeOfFavouritesLine(lines.back()), "    ");
    EXPECT_EQ(favouritesCaption(""), "Favourite List: ");
    // The list being edited has one line per entry and nothing more.
    EXPECT_EQ(favouritesListLines(fav, lib, FavouritesListKind::Entries),
              std::vector<std::string>(lines.begin(), lines.end() - 1));
    // A code the library lacks shows as the code and why it has no phrase.
    EXPECT_EQ(favouriteEntryLine("0999", lib), "0999 (not in the phrase library)");
}

TEST(FavouritesListText, ARightClickFindsTheCodesFavouriteOrPicksItUp)
{
    const std::vector<std::string> lines{"0123 Reads widely.", favouriteSeparatorLine, "0456 Asks questions.",
                                         "0123 again", noCommentLine};
    EXPECT_EQ(favouritesLineFor(lines, "0456"), 2u);
    EXPECT_EQ(favouritesLineFor(lines, "0123"), 0u); // the first of two
    EXPECT_EQ(favouritesLineFor(lines, ""), 4u);
    EXPECT_EQ(favouritesLineFor(lines, "    "), 4u); // not the separator, which is also blank
    EXPECT_EQ(favouritesLineFor(lines, "0999"), std::nullopt);
    EXPECT_EQ(favouritesLineFor(lines, "012"), std::nullopt);
}
