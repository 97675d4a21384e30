// The rules every window keeps the favourites by: a refused file is known under any of its names
// and written over only when the teacher confirmed it; a file read later, or written on purpose,
// is the list's own again.
#include "core/program/FavouritesKeeping.h"
#include "core/program/ProgramState.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tq;
using namespace tq::test;

TEST(FavouritesKeeping, ARefusedFileIsKnownUnderEveryNameAndWrittenOnlyWhenConfirmed)
{
    TempDir dir;
    ProgramState state;
    const std::string broken = " 0 \r\n0701\r\n\r\n0702\r\n"; // a line lost among the entries
    const std::string term = dir.write("Term.tqf", broken);
    std::filesystem::create_symlink(term, dir.file("Link.tqf"));
    ASSERT_TRUE(openFavourites(state, term));
    EXPECT_EQ(state.favourites.favouritesFile, "");
    EXPECT_FALSE(state.favouritesStatus.unsaved);
    EXPECT_EQ(state.folders.lastFileFolder, dir.path());

    for (const std::string& name : {term, dir.path() + "/./Term.tqf", dir.file("Link.tqf")}) {
        EXPECT_TRUE(isRefusedFavouritesFile(state, name)) << name;
        favouritesEdited(state);
        EXPECT_TRUE(saveFavouritesTo(state, name)) << name;
        EXPECT_TRUE(state.favouritesStatus.unsaved);
    }
    EXPECT_FALSE(isRefusedFavouritesFile(state, dir.file("Other.tqf")));
    EXPECT_EQ(readBytes(term), broken);

    // Confirmed: written, and the list's own file from then on.
    EXPECT_FALSE(saveFavouritesTo(state, dir.file("Link.tqf"), true));
    EXPECT_EQ(state.favourites.favouritesFile, dir.file("Link.tqf"));
    EXPECT_FALSE(state.favouritesStatus.unsaved);
    EXPECT_FALSE(isRefusedFavouritesFile(state, term));
    EXPECT_TRUE(savesUnderItsName(state));
    EXPECT_EQ(readBytes(term), favouritesFileText(state.favourites));

    // A file refused and then mended by hand reads, and is refused no more.
    writeBytes(term, broken);
    ASSERT_TRUE(openFavourites(state, term));
    writeBytes(term, " 0 \r\n");
    EXPECT_FALSE(openFavourites(state, term));
    EXPECT_EQ(state.favourites.favouritesFile, term);
    EXPECT_FALSE(isRefusedFavouritesFile(state, term));
}
