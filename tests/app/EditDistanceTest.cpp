// How many keystrokes apart two words are, as the guess for a mistyped command counts them.
#include "app/EditDistance.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace tq;

TEST(EditDistance, CountsInsertionsDeletionsAndReplacementsOneEach)
{
    for (const auto& [a, b, distance] : std::vector<std::tuple<std::string, std::string, size_t>>{
             {"verify", "verify", 0}, {"", "abc", 3}, {"abc", "", 3},
             {"verify", "verity", 1},   // one letter replaced
             {"summary", "summry", 1},  // one left out
             {"verify", "verfiy", 2},   // two letters swapped: two edits
             {"export", "xport", 1}, {"kitten", "sitting", 3}})
        EXPECT_EQ(editDistance(a, b), distance) << a << " / " << b;
}
