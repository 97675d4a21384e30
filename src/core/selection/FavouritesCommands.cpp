#include "core/selection/FavouritesCommands.h"

#include "core/selection/FavouritesRows.h"

namespace tq {

void newFavourites(Favourites& fav)
{
    fav.favouritesFile.clear();
    fav.favourites.clear();
    fav.initialRanges = defaultInitialRanges();
}

MaybeMessage appendFavouritesFile(Favourites& fav, const std::string& path)
{
    if (favouritesFull(fav.favourites.size()))
        return favouritesFullMessage();
    Favourites grown;
    grown.favourites = fav.favourites;
    if (appendFavouritesFrom(grown, path)) {
        fav.favourites = std::move(grown.favourites);
        return std::nullopt;
    }
    // The reader stops at the entry that would not fit; a file it could not read adds nothing.
    return favouritesFull(grown.favourites.size()) ? favouritesFullMessage() : invalidFavouritesFileMessage();
}

bool savesUnderItsName(const std::string& path)
{
    return !path.empty() && fileExtensionTail(path, 3) == "tqf";
}

} // namespace tq
