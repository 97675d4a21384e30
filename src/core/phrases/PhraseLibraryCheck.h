#pragma once
// Problems in a phrase library that start-up does not catch: the look-up by code relies on the
// codes standing in ascending order, so a code out of order or used twice may never be found.
#include <string>
#include <vector>

namespace tq {

// One line per problem, naming the file line (counted from 1, the header being line 1) and the
// code, in file order. `lines` are the library file's lines, header included.
std::vector<std::string> phraseOrderProblems(const std::vector<std::string>& lines);

} // namespace tq
