#include "core/initialvalues/InitialValuesSetup.h"

namespace tq {

bool initialValuesEditable(const Favourites& fav)
{
    return !fav.favouritesFile.empty() && !fav.initialRanges.empty();
}

Message initialValuesNeedFavouritesMessage()
{
    return Message{"TQ6: Auto Fill Setup requires that a valid favourite file be opened."};
}

} // namespace tq
