#pragma once
// The text of the help window: the program's name, version and credits, then the keys.
#include <string>
#include <vector>

namespace tq {

// Every line of the help window: the credits, an empty line, and the key lines.
std::vector<std::string> helpTextLines();
// The key lines at its end, which read best aligned left.
std::vector<std::string> helpKeyLines();

} // namespace tq
