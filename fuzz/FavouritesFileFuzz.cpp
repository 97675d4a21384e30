// The favourites reader and appender. A file that reads must save and read back to the same
// entries and ranges; a file appended to a list must keep it within 1,000 entries, and the list
// must still save to a file that reads.
#include "FuzzSupport.h"
#include "core/selection/FavouritesFile.h"

using namespace tq;

namespace {
const PhraseLibrary& library()
{
    static const PhraseLibrary lib = [] {
        std::vector<PhraseRecord> records;
        for (const char* code : {"0001", "0101", "0102", "0201", "1000", "9999"})
            records.push_back({code, "A phrase", "A"});
        return PhraseLibrary(std::move(records));
    }();
    return lib;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> lines = fuzz::inputLines(data, size);

    Favourites fav;
    const MaybeMessage m = readFavouritesLines(fav, lines, library());
    fuzz::check(fav.favourites.size() <= maxFavourites && fav.initialRanges.size() <= maxInitialRanges,
                "at most 1,000 entries and 100 ranges");
    if (m) {
        fuzz::check(fav.favourites.empty() && fav.initialRanges.empty(), "a refused file leaves nothing");
    } else {
        Favourites back;
        fuzz::check(!readFavouritesLines(back, textFileLines(favouritesFileText(fav)), library()),
                    "saved favourites read back");
        fuzz::check(back.favourites == fav.favourites, "saved entries read back unchanged");
        fuzz::check(back.initialRanges == fav.initialRanges, "saved ranges read back unchanged");
    }

    Favourites appended;
    // Now and then start from a nearly full list, to reach the 1,000-entry cap.
    appended.favourites.assign(size % 256 == 0 ? 990 : 2, "0101");
    appendFavouritesLines(appended, lines);
    fuzz::check(appended.favourites.size() <= maxFavourites, "appending stops at 1,000 entries");
    appended.initialRanges = defaultInitialRanges();
    Favourites reread;
    fuzz::check(!readFavouritesLines(reread, textFileLines(favouritesFileText(appended)), library()),
                "a list with appended entries saves to a file that reads");
    return 0;
}
