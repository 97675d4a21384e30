// A range's ratings stepped by click, and undo of whole ranges, latest first.
#include "core/entry/SkillRating.h"
#include "core/initialvalues/RangeEditing.h"
#include "support/InitialRanges.h"

#include <gtest/gtest.h>

using namespace tq;
using test::markRange;

TEST(RangeEditing, RatingsStepRoundAndAnEmptyCellStartsAtThree)
{
    EXPECT_EQ(rangeRatingAfterClick("", leftButton), "2");
    EXPECT_EQ(rangeRatingAfterClick("", rightButton), "4");
    EXPECT_EQ(rangeRatingAfterClick("4", rightButton), "1");
    EXPECT_EQ(rangeRatingAfterClick("1", leftButton), "4");
    // Another button steps nothing, but an empty cell still becomes 3.
    EXPECT_EQ(rangeRatingAfterClick("", 4), "3");
    EXPECT_EQ(rangeRatingAfterClick("2", 4), "2");
}

TEST(RangeEditing, UndoPutsWholeRangesBackLatestFirstAndSkipsPositionsNoLongerThere)
{
    const std::vector<InitialValueRange> original{markRange(60, 100, {"0701", "", ""}, {"3", "3", "3", "3", "3", "3"}),
                                                  markRange(0, 59, {"", "", ""}, {"1", "1", "1", "1", "1", "1"})};
    std::vector<InitialValueRange> ranges = original;
    RangeUndo undo;
    undo.push({ranges[1], 2});
    ranges[1].rangeComment2 = "0702";
    undo.push({markRange(0, 9, {}, {}), 5}); // a position the table does not have
    undo.push({ranges[0], 1});
    ranges[0].rangeComment1.clear();
    ranges[0].rangeSkills[4] = "2";

    const std::vector<InitialValueRange> edited = ranges;
    RangeUndo redo;
    EXPECT_EQ(undoRangeEdit(ranges, undo, redo), 1);
    EXPECT_EQ(ranges[0], original[0]);
    EXPECT_EQ(undoRangeEdit(ranges, undo, redo), std::nullopt);
    EXPECT_EQ(undoRangeEdit(ranges, undo, redo), 2);
    EXPECT_EQ(ranges, original);
    EXPECT_TRUE(undo.empty());
    // Redo puts the edits back, oldest first, and they can be undone again.
    EXPECT_EQ(undoRangeEdit(ranges, redo, undo), 2);
    EXPECT_EQ(undoRangeEdit(ranges, redo, undo), 1);
    EXPECT_EQ(ranges, edited);
    EXPECT_EQ(undo.size(), 2u);
}

TEST(RangeEditing, PastFiveHundredEditsTheOldestIsForgottenAndTheNewOneKept)
{
    std::vector<InitialValueRange> ranges{markRange(0, 100, {"", "", ""}, {"3", "3", "3", "3", "3", "3"})};
    RangeUndo undo, redo;
    for (int i = 0; i < 501; ++i) {
        undo.push({ranges[0], 1});
        ranges[0].rangeComment1 = std::to_string(1000 + i);
    }
    EXPECT_EQ(undo.size(), 500u);
    while (undoRangeEdit(ranges, undo, redo)) {
    }
    EXPECT_EQ(ranges[0].rangeComment1, "1000"); // the first edit can no longer be taken back
}
