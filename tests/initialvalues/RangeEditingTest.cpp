// Editing a range's codes and ratings through the rules the main window uses for a student's:
// a code stands once among the range's comments, ratings step round, and undo puts whole ranges
// back, latest first.
#include "entry/CommentPlacement.h"
#include "initialvalues/RangeEditing.h"
#include "entry/SkillRating.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
InitialValueRange range(int low, int high)
{
    InitialValueRange r;
    r.lowMark = low;
    r.highMark = high;
    r.rangeSkills.fill("3");
    return r;
}

// Places `code` into comment `slot` (1 to 3) of the range, as a left click does.
void place(InitialValueRange& r, int slot, const std::string& code)
{
    std::array<std::string, 3> comments{r.rangeComment1, r.rangeComment2, r.rangeComment3};
    placeCommentCode(comments, slot - 1, code);
    for (int k = 1; k <= 3; ++k)
        r.rangeComment(k) = comments[static_cast<size_t>(k - 1)];
}
} // namespace

TEST(RangeEditing, ACodePlacedAgainMovesWithinTheRange)
{
    InitialValueRange r = range(50, 59);
    place(r, 1, "0123");
    place(r, 2, "0123");
    EXPECT_EQ(r.rangeComment1 + "|" + r.rangeComment2 + "|" + r.rangeComment3, "|0123|");
    place(r, 1, "    "); // "no comment": the blank code may stand anywhere
    place(r, 3, "    ");
    EXPECT_EQ(r.rangeComment1 + "|" + r.rangeComment2 + "|" + r.rangeComment3, "    |0123|    ");
}

TEST(RangeEditing, RatingsStepRoundAndAnEmptyCellStartsAtThree)
{
    EXPECT_EQ(rangeRatingAfterClick("", leftButton), "2");
    EXPECT_EQ(rangeRatingAfterClick("", rightButton), "4");
    EXPECT_EQ(rangeRatingAfterClick("4", rightButton), "1");
    EXPECT_EQ(rangeRatingAfterClick("1", leftButton), "4");
    EXPECT_EQ(rangeRatingAfterClick("2", rightButton), "3");
    // Another button changes a rating no further, but an empty cell still becomes 3.
    EXPECT_EQ(rangeRatingAfterClick("", 4), "3");
    EXPECT_EQ(rangeRatingAfterClick("2", 4), "2");
}

TEST(RangeEditing, UndoPutsWholeRangesBackLatestFirst)
{
    std::vector<InitialValueRange> ranges{range(60, 100), range(0, 59)};
    const std::vector<InitialValueRange> original = ranges;
    RangeUndo undo;
    undo.push({ranges[1], 2});
    place(ranges[1], 1, "0701");
    undo.push({ranges[1], 2});
    ranges[1].rangeSkills[2] = rangeRatingAfterClick(ranges[1].rangeSkills[2], leftButton);
    undo.push({ranges[0], 1});
    place(ranges[0], 3, "0702");

    EXPECT_EQ(undoRangeEdit(ranges, undo), 1);
    EXPECT_EQ(ranges[0], original[0]);
    EXPECT_EQ(ranges[1].rangeSkills[2], "2");
    EXPECT_EQ(undoRangeEdit(ranges, undo), 2);
    EXPECT_EQ(ranges[1].rangeSkills[2], "3");
    EXPECT_EQ(ranges[1].rangeComment1, "0701");
    EXPECT_EQ(undoRangeEdit(ranges, undo), 2);
    EXPECT_EQ(ranges, original);
    EXPECT_EQ(undoRangeEdit(ranges, undo), std::nullopt);
}

TEST(RangeEditing, PastFiveHundredEditsTheOldestIsForgottenAndTheNewOneKept)
{
    std::vector<InitialValueRange> ranges{range(0, 100)};
    RangeUndo undo;
    for (int i = 0; i < 501; ++i) {
        undo.push({ranges[0], 1});
        ranges[0].rangeComment1 = std::to_string(1000 + i);
    }
    EXPECT_EQ(undo.size(), RangeUndo::capacity);
    while (undoRangeEdit(ranges, undo)) {
    }
    EXPECT_EQ(ranges[0].rangeComment1, "1000"); // the first edit can no longer be taken back
}

TEST(RangeEditing, AnEntryForAPositionTheTableNoLongerHasIsDropped)
{
    std::vector<InitialValueRange> ranges{range(0, 100)};
    RangeUndo undo;
    undo.push({range(0, 100), 1});
    undo.push({range(5, 9), 4});
    EXPECT_EQ(undoRangeEdit(ranges, undo), std::nullopt);
    EXPECT_EQ(ranges.size(), 1u);
    EXPECT_EQ(undoRangeEdit(ranges, undo), 1);
}
