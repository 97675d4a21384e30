#include "core/initialvalues/RangeSplitDelete.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
InitialValueRange range(int low, int high, const std::string& code = "", const std::string& rating = "3")
{
    InitialValueRange r;
    r.lowMark = low;
    r.highMark = high;
    r.rangeComment2 = code;
    r.rangeSkills.fill(rating);
    return r;
}

std::string marks(const std::vector<InitialValueRange>& ranges)
{
    std::string out;
    for (const InitialValueRange& r : ranges)
        out += (out.empty() ? "" : " ") + std::to_string(r.lowMark) + "-" + std::to_string(r.highMark);
    return out;
}
} // namespace

TEST(RangeSplit, TheUpperHalfKeepsThePlaceAndTheLowerHalfFollowsWithTheSameValues)
{
    std::vector<InitialValueRange> ranges{range(85, 100), range(60, 84, "0701", "2"), range(0, 59)};
    EXPECT_EQ(splitRange(ranges, 2), SplitResult::Split);
    EXPECT_EQ(marks(ranges), "85-100 72-84 60-71 0-59");
    EXPECT_EQ(ranges[2].rangeComment2, "0701");
    EXPECT_EQ(ranges[2].rangeSkills, ranges[1].rangeSkills);
    EXPECT_EQ(ranges[2].rangeSkills[5], "2");
    EXPECT_EQ(splitRange(ranges, 1), SplitResult::Split);
    EXPECT_EQ(marks(ranges), "93-100 85-92 72-84 60-71 0-59");

    std::vector<InitialValueRange> small{range(99, 100), range(50, 51), range(-4, -2)};
    splitRange(small, 1);
    splitRange(small, 3);
    splitRange(small, 5);
    EXPECT_EQ(marks(small), "100-100 99-99 51-51 50-50 -3--2 -4--4");
}

TEST(RangeSplit, AOneMarkRangeOrAFullTableStaysAsItIs)
{
    std::vector<InitialValueRange> ranges{range(100, 100), range(0, 99)};
    EXPECT_EQ(splitRange(ranges, 1), SplitResult::NotSplit);
    EXPECT_EQ(splitRange(ranges, 0), SplitResult::NotSplit);
    EXPECT_EQ(splitRange(ranges, 3), SplitResult::NotSplit);
    EXPECT_EQ(marks(ranges), "100-100 0-99");

    std::vector<InitialValueRange> full;
    for (int mark = 100; mark >= 2; --mark)
        full.push_back(range(mark, mark));
    full.push_back(range(0, 1));
    ASSERT_EQ(full.size(), maxInitialRanges);
    const std::vector<InitialValueRange> before = full;
    EXPECT_EQ(splitRange(full, 100), SplitResult::TableFull);
    EXPECT_EQ(full, before);
    EXPECT_EQ(rangeTableFullMessage().text.substr(0, 5), "TQ21:");
}

TEST(RangeDelete, TheRangeBelowTakesOverTheMarksAndKeepsItsOwnValues)
{
    std::vector<InitialValueRange> ranges{range(85, 100, "0101"), range(60, 84, "0701", "2"), range(0, 59)};
    EXPECT_TRUE(deleteRange(ranges, 1));
    EXPECT_EQ(marks(ranges), "60-100 0-59");
    EXPECT_EQ(ranges[0].rangeComment2, "0701");
    EXPECT_EQ(ranges[0].rangeSkills[0], "2");
    // The bottom range has none below it; a single range neither.
    EXPECT_FALSE(deleteRange(ranges, 2));
    EXPECT_FALSE(deleteRange(ranges, 0));
    EXPECT_TRUE(deleteRange(ranges, 1));
    EXPECT_EQ(marks(ranges), "0-100");
    EXPECT_FALSE(deleteRange(ranges, 1));
    EXPECT_EQ(marks(ranges), "0-100");
}
