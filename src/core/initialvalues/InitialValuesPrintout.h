#pragma once
// The printed initial values: every mark range of the open favourites file in the three detail
// lines the window shows for it, under a heading with the date, the time and the file's name, as
// a paper record of the settings.
#include "core/phrases/PhraseLibrary.h"
#include "core/reports/PrintScript.h"
#include "core/selection/FavouritesFile.h"

#include <ctime>
#include <string>
#include <vector>

namespace tq {

// `fileShown` is the favourites file's path as the heading prints it.
PrintScript initialValuesPrintout(const std::vector<InitialValueRange>& ranges, const PhraseLibrary& library,
                                  const std::string& fileShown, std::time_t now);

} // namespace tq
