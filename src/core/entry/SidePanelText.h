#pragma once
// The key to the learning skills and flags that the main window shows beside the class grid in
// the skills view (the comments view shows the favourites list there).

#include <string>
#include <vector>

namespace tq {

// The 39 lines of the learning-skills key.
const std::vector<std::string>& learningSkillsKeyLines();

} // namespace tq
