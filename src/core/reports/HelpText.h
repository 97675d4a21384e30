#pragma once
// The text of the help window: the program's name, version and credits.
#include <string>
#include <vector>

namespace tq {

std::vector<std::string> helpTextLines();

} // namespace tq
