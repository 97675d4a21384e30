#include "app/TestDriverSettings.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(TestDriverSettings, OnlyTheValueOneSwitchesItOnAndTheOtherVariablesCountOnlyThen)
{
    for (const char* off : {static_cast<const char*>(nullptr), "", "0", "yes", " 1"})
        EXPECT_FALSE(testDriverRequest(off, "10", "2:in-place")) << (off ? off : "unset");
    const std::optional<TestDriverSettings> plain = testDriverRequest("1", nullptr, nullptr);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->recoveryInterval, RecoveryCopies::defaultInterval);
    EXPECT_EQ(plain->holdWrite, 0);

    const std::optional<TestDriverSettings> set = testDriverRequest("1", "250", "2:note-written");
    ASSERT_TRUE(set);
    EXPECT_EQ(set->recoveryInterval, RecoveryCopies::Delay{250});
    EXPECT_EQ(set->holdWrite, 2);
    EXPECT_EQ(set->holdStep, CopyWriteStep::NoteWritten);
    for (const char* bad : {"2", "2:", ":in-place", "x:in-place", "2:in place", "-1:in-place"})
        EXPECT_EQ(testDriverRequest("1", "-5", bad)->holdWrite, 0) << bad;
    EXPECT_EQ(testDriverRequest("1", "-5", nullptr)->recoveryInterval, RecoveryCopies::defaultInterval);
}

} // namespace
} // namespace tq
