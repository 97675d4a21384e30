#pragma once
// Whether Initial Values Setup has something to edit: an open favourites file with at least one
// mark range.
#include "program/Message.h"
#include "selection/FavouritesFile.h"

namespace tq {

bool initialValuesEditable(const Favourites& fav);

Message initialValuesNeedFavouritesMessage(); // TQ6

} // namespace tq
