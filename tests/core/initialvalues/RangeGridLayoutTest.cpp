#include "core/initialvalues/RangeGridLayout.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(RangeGridLayout, ThePointerFollowsTheColumnBands)
{
    EXPECT_EQ(rangeGridPointer(1099, true), RangeGridPointer::Arrow);
    EXPECT_EQ(rangeGridPointer(1100, true), RangeGridPointer::Drop);
    EXPECT_EQ(rangeGridPointer(2700, true), RangeGridPointer::Drop); // the drop pointer wins the shared edge
    EXPECT_EQ(rangeGridPointer(2000, false), RangeGridPointer::Arrow);
    EXPECT_EQ(rangeGridPointer(2700, false), RangeGridPointer::Rating);
    EXPECT_EQ(rangeGridPointer(4400, true), RangeGridPointer::Rating);
    EXPECT_EQ(rangeGridPointer(4401, false), RangeGridPointer::Arrow);
}
