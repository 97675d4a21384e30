#pragma once
// Whether Initial Values Setup has something to edit: an open favourites file with at least one
// mark range.
#include "core/base/Message.h"
#include "core/selection/FavouritesFile.h"

namespace tq {

bool initialValuesEditable(const Favourites& fav);

Message initialValuesNeedFavouritesMessage(); // TQ6

} // namespace tq
