// Merged columns of the grid: one student's repeated identity drawn as one block.
#include "gui/widgets/ClassGrid.h"

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace tq::ui;

namespace {
class ClassGridMerge : public ::testing::Test {
protected:
    ClassGrid grid{3};

    void SetUp() override
    {
        grid.resize(400, 300);
        grid.addRow("Course\tName\tMark");
        grid.addRow("A\tAmes\t80");
        grid.addRow("A\tAmes\t80");
        grid.addRow("A\tBell\t80");
        grid.addRow("B\tBell\t80");
        grid.setFixedRows(1);
        for (int c = 0; c < 3; ++c)
            grid.setMergeCol(c, true);
        grid.show();
        QApplication::processEvents();
    }
};
} // namespace

TEST_F(ClassGridMerge, EqualCellsJoinOnlyWhereTheColumnsToTheLeftJoinToo)
{
    EXPECT_EQ(grid.mergedTop(2, 0), 1);
    EXPECT_EQ(grid.mergedTop(3, 0), 1);
    EXPECT_EQ(grid.mergedTop(4, 0), 4);
    EXPECT_EQ(grid.mergedTop(2, 1), 1);
    // Bell under A and Bell under B are different students; their marks do not join either.
    EXPECT_EQ(grid.mergedTop(4, 1), 4);
    EXPECT_EQ(grid.mergedTop(3, 2), 3);
    EXPECT_EQ(grid.mergedTop(4, 2), 4);
    // The heading row never joins, and a column without merging never does.
    grid.setText(1, 0, "Course");
    EXPECT_EQ(grid.mergedTop(1, 0), 1);
    grid.setMergeCol(1, false);
    EXPECT_EQ(grid.mergedTop(2, 1), 2);
    EXPECT_FALSE(grid.mergeCol(1));
    EXPECT_TRUE(grid.mergeCol(2));
}

TEST_F(ClassGridMerge, AJoinedBlockIsDrawnWithoutTheLinesBetweenItsRows)
{
    const QImage image = grid.grab().toImage();
    const QRect first = grid.cellRect(1, 1);
    const QRect second = grid.cellRect(2, 1);
    const QRect third = grid.cellRect(3, 1);
    ASSERT_TRUE(first.isValid() && second.isValid() && third.isValid());
    const int x = first.center().x();
    // Between the two Ames rows the cell's own background goes on; under the block, a line.
    EXPECT_EQ(image.pixelColor(x, first.bottom()), grid.cellBackground(1, 1));
    EXPECT_NE(image.pixelColor(x, second.bottom()), grid.cellBackground(2, 1));
    // The name is written once: the second row of the block holds no dark text pixels.
    auto hasText = [&image](const QRect& r) {
        for (int y = r.top() + 1; y < r.bottom(); ++y)
            for (int px = r.left() + 1; px < r.right(); ++px)
                if (image.pixelColor(px, y).lightness() < 100)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasText(first));
    EXPECT_FALSE(hasText(second));
    EXPECT_TRUE(hasText(third));
}
