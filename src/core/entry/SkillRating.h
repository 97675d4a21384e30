#pragma once
// Rating a learning skill by clicking: the left button steps the rating down, the right button
// up, round from 1 to 4.
#include <optional>
#include <string>

namespace tq {

inline constexpr int leftButton = 1;
inline constexpr int rightButton = 2;

// The rating after a click with `button` on a skill holding `rating`: right gives 1 -> 2 -> 3 ->
// 4 -> 1, left 4 -> 3 -> 2 -> 1 -> 4. A skill without a rating of 1 to 4 (an empty skill from an
// older class file) counts as the starting "3". Nothing for any other button.
std::optional<std::string> steppedSkillRating(const std::string& rating, int button);

} // namespace tq
