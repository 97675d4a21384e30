#pragma once
// What the file commands of the Comment Selection window do to the favourites, apart from the
// questions and dialogs around them: a new list, merging another file into the list, and
// whether the list may be saved under its current name.
#include "core/selection/FavouritesFile.h"

#include <string>

namespace tq {

// A new list: no file, no entries, the seven default ranges.
void newFavourites(Favourites& fav);

// Appends the entries of the favourites file at `path`, all of them or none: TQ19 when they do
// not all fit in the list, TQ17 when the file cannot be read; the list is then unchanged.
MaybeMessage appendFavouritesFile(Favourites& fav, const std::string& path);

// True when the list can be saved under `path` without asking for a name: a name the program
// reads back as a favourites file. A file that was refused for its name (a class file chosen by
// mistake, say) is never written over.
bool savesUnderItsName(const std::string& path);

} // namespace tq
