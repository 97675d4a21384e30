#include "core/base/OnceAnInterval.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace std::chrono_literals;

TEST(DelayBeforeNext, TheFirstRequestIsDoneAtOnceAndLaterOnesOnceAnIntervalAtMost)
{
    const SteadyTime t{};
    EXPECT_EQ(delayBeforeNext(std::nullopt, t + 5s, 2000ms), 0ms);
    EXPECT_EQ(delayBeforeNext(t, t + 500ms, 2000ms), 1500ms);
    EXPECT_EQ(delayBeforeNext(t, t + 2s, 2000ms), 0ms);
    EXPECT_EQ(delayBeforeNext(t, t + 1h, 2000ms), 0ms);
}

} // namespace
} // namespace tq
