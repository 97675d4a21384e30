// The whole road of initial values: ranges and their values set up for the sample favourites,
// then marks typed in the main window give each student the values of the mark's range.
#include "AutoFillFixture.h"

#include "core/entry/ClassGridLayout.h"

#include <QCheckBox>

using namespace tq;
using namespace tq::test;

TEST_F(AutoFillTest, RangesSetUpHereFillCommentsAndSkillsAsMarksAreTyped)
{
    const std::string favourites = sampleFavourites();
    startActive(favourites);
    openNewClass(4);

    menu("mnuAutoFill")->trigger();
    ASSERT_TRUE(autoFill());
    dialogs.answerInput("0-49 50-69 70-100");
    control<QPushButton>("cmdEnterRanges")->click();
    ASSERT_EQ(ranges()->rows(), 4);
    choosePaletteEntry("0704");
    clickRange(1, 2);
    choosePaletteEntry("0705");
    clickRange(1, 3);
    clickRange(1, 5, Qt::RightButton);
    clickRange(1, 6, Qt::RightButton);
    choosePaletteEntry("0706");
    clickRange(2, 2);
    clickRange(2, 7);
    choosePaletteEntry("0707");
    clickRange(3, 2);
    choosePaletteEntry("0717");
    clickRange(3, 3);
    clickRange(3, 10);
    EXPECT_EQ(rangeText(1), "70-100 0704,0705,|443333");
    EXPECT_EQ(rangeText(2), "50-69 0706,,|332333");
    EXPECT_EQ(rangeText(3), "0-49 0707,0717,|111114");
    goBack();
    ASSERT_TRUE(window->isVisible());
    ASSERT_TRUE(autoFillBox()->isChecked());

    // A student in each range, and one with "I", which counts as a mark of 0.
    grid()->setCurrent(1, markColumn);
    typeMark("85");
    typeMark("55");
    typeMark("12");
    typeMark("I");
    EXPECT_EQ(student(1).comment1 + "," + student(1).comment2 + "," + student(1).comment3, "0704,0705,");
    EXPECT_EQ(student(2).comment1 + "," + student(2).comment2 + "," + student(2).comment3, "0706,,");
    EXPECT_EQ(student(3).comment1 + "," + student(3).comment2 + "," + student(3).comment3, "0707,0717,");
    auto skills = [&](int row) {
        std::string text;
        for (int k = 1; k <= skillCount; ++k)
            text += student(row).skill(k);
        return text;
    };
    EXPECT_EQ(skills(1), "443333");
    EXPECT_EQ(skills(2), "332333");
    EXPECT_EQ(skills(3), "111114");
    EXPECT_EQ(skills(4), "111114");
    EXPECT_EQ(cell(1, firstCommentColumn) + " " + cell(2, firstCommentColumn) + " " + cell(3, firstCommentColumn + 1),
              "0704 0706 0717");
    EXPECT_EQ(grid()->cellForeground(3, firstSkillColumn + 5), QColor(255, 0, 0));

    // The ranges went to the favourites file, for the next time it is opened.
    Favourites saved;
    saved.favouritesFile = favourites;
    ASSERT_FALSE(readFavourites(saved, state.phrases));
    EXPECT_EQ(saved.initialRanges, state.favourites.initialRanges);
}
