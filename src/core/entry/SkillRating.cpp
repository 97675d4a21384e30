#include "core/entry/SkillRating.h"

namespace tq {

std::optional<std::string> steppedSkillRating(const std::string& rating, int button)
{
    const bool rated = rating.size() == 1 && rating[0] >= '1' && rating[0] <= '4';
    const int v = rated ? rating[0] - '0' : 3;
    int stepped;
    if (button == rightButton)
        stepped = v % 4 + 1;
    else if (button == leftButton)
        stepped = v == 1 ? 4 : v - 1;
    else
        return std::nullopt;
    return std::string(1, static_cast<char>('0' + stepped));
}

} // namespace tq
