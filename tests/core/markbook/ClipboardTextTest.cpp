#include "core/entry/ClassGridLayout.h"
#include "core/markbook/ClipboardText.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(ClipboardText, PastedCellsSplitAtTabsOnlyAndTheGridCopiesWhatItShows)
{
    EXPECT_EQ(pastedSheet("87,5\n\"Ahmed, Layla\"\t90;5\r\n").rows,
              (std::vector<SheetRow>{{"87,5"}, {"Ahmed, Layla", "90;5"}}));
    ClassList students{newStudentRecord("ENG2D1-01", "316208659", "Ahmed", "Layla", "F", "")};
    students[0].mark = "87";
    EXPECT_EQ(gridCopyText(students, false, {1, 2, markColumn}), "LAST\tFIRST\tMRK\r\nAhmed\tLayla\t87\r\n");
}
