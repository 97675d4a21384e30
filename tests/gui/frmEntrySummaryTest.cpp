// The Class Summary opened from the main window follows the class as the teacher works on it.
#include "EntryFixture.h"

#include "gui/reports/frmSummary.h"

using namespace tq;
using namespace tq::test;

TEST_F(EntryTest, TheSummaryFollowsATypedMarkAnUndoAndAnotherClass)
{
    startActive();
    openClass(sampleClassCopy());
    window->run(MainCommand::Summary);
    frmSummary* summary = window->working.summaryWindow;
    ASSERT_TRUE(summary && summary->isVisible());
    summary->setFollowInterval(std::chrono::milliseconds(0));
    auto marked = [&] {
        QApplication::processEvents();
        return controlOf<QLabel>(summary, "lblMarked")->text();
    };
    const QString before = marked();

    grid()->setCurrent(13, 3); // Jones, who has no mark yet
    typeMark("64");
    EXPECT_EQ(marked().toInt(), before.toInt() + 1);
    window->run(MainCommand::Undo);
    EXPECT_EQ(marked(), before);
    window->run(MainCommand::SortMarks);
    EXPECT_EQ(marked(), before);
    openNewClass(3);
    EXPECT_EQ(marked(), "0");
    EXPECT_EQ(controlOf<QLabel>(summary, "lblStudents")->text(), "3");
}
