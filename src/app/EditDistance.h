#pragma once
// How far apart two words are, to tell which command a mistyped word was meant to be.
#include <string_view>

namespace tq {

// The fewest characters to insert, delete or replace to turn `a` into `b`.
size_t editDistance(std::string_view a, std::string_view b);

} // namespace tq
