#pragma once
// The printed favourites list: a heading with the date and time and the file's name, each entry
// with its phrase, then the initial values of every mark range in fixed-pitch columns. It is
// printed in the orientation the printer has: the print dialog offers landscape, where the
// columns of the ranges fit, and the teacher may choose otherwise.
#include "core/phrases/PhraseLibrary.h"
#include "core/reports/PrintScript.h"
#include "core/selection/FavouritesFile.h"

#include <ctime>

namespace tq {

PrintScript favouritesReport(const Favourites& fav, const PhraseLibrary& library, std::time_t now);

} // namespace tq
