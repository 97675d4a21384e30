#pragma once
// Mark ranges written out in one line each, for tests of the initial values.
#include "core/selection/FavouritesFile.h"

#include <array>
#include <string>

namespace tq::test {

inline InitialValueRange markRange(int low, int high, std::array<std::string, 3> codes, std::array<std::string, 6> skills)
{
    InitialValueRange r;
    r.lowMark = low;
    r.highMark = high;
    r.rangeComment1 = codes[0];
    r.rangeComment2 = codes[1];
    r.rangeComment3 = codes[2];
    r.rangeSkills = skills;
    return r;
}

} // namespace tq::test
