#include "app/QuitAfterStart.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(QuitAfterStart, OnlyTheValueOneSwitchesItOn)
{
    EXPECT_FALSE(quitAfterStartRequest(nullptr, "/tmp/a.tqf"));
    for (const char* off : {"", "0", "true", "yes", " 1", "1 "})
        EXPECT_FALSE(quitAfterStartRequest(off, "/tmp/a.tqf")) << '"' << off << '"';
    ASSERT_TRUE(quitAfterStartRequest("1", "/tmp/a.tqf"));
}

TEST(QuitAfterStart, FavouritesComeFromTheSecondVariableOrAreNone)
{
    EXPECT_EQ(quitAfterStartRequest("1", "/tmp/My Class.tqf")->favouritesFile, "/tmp/My Class.tqf");
    EXPECT_EQ(quitAfterStartRequest("1", "")->favouritesFile, "");
    EXPECT_EQ(quitAfterStartRequest("1", nullptr)->favouritesFile, "");
}

} // namespace
} // namespace tq
