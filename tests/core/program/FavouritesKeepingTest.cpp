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

// A phrase library cut short costs no favourite: the list keeps the codes it lacks, opening it
// names them, and a library that has lost nearly everything is named as the likely cause.
TEST(FavouritesKeeping, ALibraryCutShortIsNamedAndTheListKeepsEveryCode)
{
    TempDir dir;
    std::string text = " 1 \r\n50,59,0101,0120,,1,2,3,4,2,2\r\n"; // 20 codes in all
    for (int code = 101; code <= 120; ++code)
        text += "0" + std::to_string(code) + "\r\n";
    const std::string path = dir.write("Term.tqf", text);
    const auto libraryOf = [](int codes) {
        std::vector<PhraseRecord> records;
        for (int code = 101; code < 101 + codes; ++code)
            records.push_back({"0" + std::to_string(code), "Phrase", ""});
        return PhraseLibrary(std::move(records));
    };
    struct Row {
        const char* name;
        int libraryCodes;
        const char* notice; // its beginning; "" for none
        bool namesTheLibrary;
    };
    const Row rows[] = {
        {"whole", 60, "", false},
        {"cut after 0119", 19, "TQ26: The phrase library lacks 1 of the 20 codes of your favourites and their ranges: 0120.", false},
        {"exactly a tenth", 2, "TQ26: The phrase library lacks 18 of the 20", false},
        {"under a tenth", 1, "TQ26: The phrase library lacks 19 of the 20", true},
        {"header only", 0, "TQ26: The phrase library lacks 20 of the 20", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ProgramState state;
        state.phrases = libraryOf(row.libraryCodes);
        ASSERT_FALSE(openFavourites(state, path));
        const MaybeMessage notice = favouritesLibraryNotice(state);
        EXPECT_EQ(notice ? notice->text.substr(0, std::string(row.notice).size()) : "", row.notice);
        EXPECT_EQ(notice && notice->text.find("Probable Cause: The phrase library") != std::string::npos, row.namesTheLibrary);
        ASSERT_FALSE(saveFavouritesTo(state, path));
        EXPECT_EQ(readBytes(path), text);
    }
    // A library with no phrase is named at start-up even without a favourites list.
    ProgramState empty;
    ASSERT_TRUE(favouritesLibraryNotice(empty));
    EXPECT_TRUE(favouritesLibraryNotice(empty)->text.starts_with("TQ26: The phrase library holds no phrase.\r\nProbable Cause"));
}
