#include "app/QuitAfterStart.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(QuitAfterStart, OnlyTheValueOneOrTheStartUpWindowSwitchesItOn)
{
    EXPECT_FALSE(quitAfterStartRequest(nullptr, "/tmp/a.tqf"));
    for (const char* off : {"", "0", "true", "yes", " 1", "1 ", "start-up", "Start-Up-Window"})
        EXPECT_FALSE(quitAfterStartRequest(off, "/tmp/a.tqf")) << '"' << off << '"';
    ASSERT_TRUE(quitAfterStartRequest("1", "/tmp/a.tqf"));
    EXPECT_EQ(quitAfterStartRequest("1", "/tmp/a.tqf")->window, QuitAfterStart::Window::Main);
    ASSERT_TRUE(quitAfterStartRequest("start-up-window", nullptr));
    EXPECT_EQ(quitAfterStartRequest("start-up-window", nullptr)->window, QuitAfterStart::Window::StartUp);
}

TEST(QuitAfterStart, FavouritesComeFromTheSecondVariableOrAreNone)
{
    EXPECT_EQ(quitAfterStartRequest("1", "/tmp/My Class.tqf")->favouritesFile, "/tmp/My Class.tqf");
    EXPECT_EQ(quitAfterStartRequest("1", "")->favouritesFile, "");
    EXPECT_EQ(quitAfterStartRequest("1", nullptr)->favouritesFile, "");
}

} // namespace
} // namespace tq
