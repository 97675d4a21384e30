#include "initialvalues/RangeGridLayout.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(RangeGridLayout, ARowShowsTheMarksCodesAndRatingsAsStored)
{
    InitialValueRange r;
    r.lowMark = -5;
    r.highMark = 49;
    r.rangeComment1 = "0701";
    r.rangeComment3 = "    ";
    r.rangeSkills = {"1", "2", "", "4", "3", "2"};
    EXPECT_EQ(rangeGridCells(r), (RangeGridRow{"-5", "49", "0701", "", "    ", "1", "2", "", "4", "3", "2"}));
    EXPECT_EQ(rangeGridHeadings(), (RangeGridRow{"Low", "High", "CM1", "CM2", "CM3", "R", "O", "W", "C", "I", "S"}));
    EXPECT_EQ(rangeColumnWidth(4), 545);
    EXPECT_EQ(rangeColumnWidth(5), 290);
}

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
