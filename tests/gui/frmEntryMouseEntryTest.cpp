// Entering comment codes, learning skills and flags in the main window with the mouse.
#include "EntryFixture.h"

#include "gui/widgets/FavouritesList.h"

#include <QLabel>
#include <QPushButton>

using namespace tq;
using namespace tq::test;

namespace {
const QColor pending(110, 150, 210);
}

TEST_F(EntryTest, AChosenFavouriteIsStampedAndOneUndoTakesBackTheMove)
{
    start(sampleFile("Sample.tqf"));
    openNewClass(3);
    chooseFavourite("0701");
    clickCell(2, 5);
    EXPECT_EQ(student(2).comment2, "0701");
    EXPECT_TRUE(mainControl<QLabel>("lblDetail1")->text().contains("[0701]"));
    clickCell(2, 7); // the same code in CM4 leaves CM2
    EXPECT_EQ(cell(2, 5) + "|" + cell(2, 7), "|0701");
    EXPECT_EQ(student(2).comment2 + "|" + student(2).comment4, "|0701");
    toolButton("cmdUndo")->click();
    EXPECT_EQ(cell(2, 5) + "|" + cell(2, 7), "0701|");
    EXPECT_EQ(student(2).comment2 + "|" + student(2).comment4, "0701|");
    EXPECT_EQ(undoCount(), 1u);
}

TEST_F(EntryTest, ARightClickShowsTheFavouriteOrPicksTheCodeUpForOtherStudents)
{
    start(sampleFile("Sample.tqf"));
    openClass(sampleClassCopy());
    clickCell(1, 5, Qt::RightButton); // 1016 is a favourite
    EXPECT_EQ(favouritesList()->currentItem()->text().left(4), "1016");
    EXPECT_EQ(grid()->currentRow(), 1);
    EXPECT_EQ(grid()->currentCol(), 5);
    EXPECT_TRUE(window->pending().code.empty());
    clickCell(21, 6, Qt::RightButton); // an empty comment: the "no comment" line
    EXPECT_EQ(favouritesList()->currentRow(), favouritesList()->count() - 1);
    EXPECT_EQ(grid()->currentRow(), 21);
    EXPECT_EQ(undoCount(), 0u); // no data changed

    // 1017 is not among the favourites: it is picked up from its cell.
    clickCell(1, 4, Qt::RightButton);
    EXPECT_EQ(window->pending().code, "1017");
    EXPECT_EQ(grid()->cellBackground(1, 4), pending);
    EXPECT_TRUE(favouritesList()->selectedItems().isEmpty());
    clickCell(2, 8);
    clickCell(4, 8);
    EXPECT_EQ(student(2).comment5, "1017");
    EXPECT_EQ(student(4).comment5, "1017");
    EXPECT_EQ(grid()->cellBackground(1, 4), pending);
    // Picking another code returns the first cell to white.
    clickCell(1, 6, Qt::RightButton);
    EXPECT_EQ(window->pending().code, "1014");
    EXPECT_EQ(grid()->cellBackground(1, 4), QColor(Qt::white));
    // A click in the favourites list drops the pick.
    QListWidget* list = favouritesList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_TRUE(window->pending().code.empty());
    EXPECT_EQ(window->pending().row, -1);
    EXPECT_EQ(grid()->cellBackground(1, 6), QColor(Qt::white));
    EXPECT_EQ(list->currentRow(), 2);
}

TEST_F(EntryTest, AFreeFormStudentTakesNoCodes)
{
    start(sampleFile("Sample.tqf"));
    openClass(sampleClassCopy());
    ASSERT_TRUE(student(11).hasFreeForm);
    const StudentRecord before = student(11);
    chooseFavourite("0702");
    clickCell(11, 5);
    EXPECT_EQ(cell(11, 5), "Form");
    EXPECT_EQ(student(11), before);
    EXPECT_EQ(undoCount(), 0u);
    // "Free" is a word on show, not a code: a right click there picks nothing up.
    clickCell(1, 4, Qt::RightButton); // 1017, not a favourite: picked up
    clickCell(11, 4, Qt::RightButton);
    EXPECT_TRUE(window->pending().code.empty());
    EXPECT_EQ(grid()->cellBackground(1, 4), QColor(Qt::white));
    EXPECT_EQ(grid()->cellBackground(11, 4), grid()->cellBackground(12, 4));
    clickCell(12, 4);
    EXPECT_EQ(student(12).comment1, "1018");
}

TEST_F(EntryTest, SkillsStepDownWithTheLeftButtonAndUpWithTheRightAndUndoStepByStep)
{
    start();
    openClass(sampleClassCopy());
    mainControl<QPushButton>("cmdSwitch")->click();
    ASSERT_EQ(cell(1, 9), "3");
    std::string seen;
    for (int i = 0; i < 3; ++i) {
        clickCell(1, 9);
        seen += cell(1, 9).toStdString() + student(1).skillResponsibility;
    }
    EXPECT_EQ(seen, "221144");
    clickCell(1, 9, Qt::RightButton);
    EXPECT_EQ(student(1).skillResponsibility, "1");
    EXPECT_EQ(grid()->cellForeground(1, 9), QColor(Qt::black));
    EXPECT_EQ(undoCount(), 4u);
    seen.clear();
    for (int i = 0; i < 4; ++i) {
        menu("mnuUndo")->trigger();
        seen += cell(1, 9).toStdString();
    }
    EXPECT_EQ(seen, "4123");
    EXPECT_FALSE(undoEnabled());

    // An unrated skill from the class file starts from 3.
    ASSERT_EQ(student(27).skillIndependentWork, "");
    clickCell(27, 11);
    EXPECT_EQ(student(27).skillIndependentWork, "2");
    ASSERT_EQ(student(27).skillInitiative, "");
    clickCell(27, 13, Qt::RightButton);
    EXPECT_EQ(student(27).skillInitiative, "4");
    EXPECT_EQ(grid()->currentRow(), 27);
    EXPECT_TRUE(mainControl<QLabel>("lblDetail3")->text().endsWith("  3  3  2  3  4  4"));
}

TEST_F(EntryTest, FlagsToggleWithESLAndELDExclusiveAndHeadingsSetTheWholeClass)
{
    start();
    openNewClass(4);
    mainControl<QPushButton>("cmdSwitch")->click();
    clickCell(2, 16);
    EXPECT_EQ(student(2).esl, "Y");
    clickCell(2, 17);
    EXPECT_EQ(cell(2, 16) + "|" + cell(2, 17), "|Y");
    EXPECT_EQ(student(2).esl + "|" + student(2).eld, "|Y");
    clickCell(2, 17);
    EXPECT_EQ(student(2).esl + "|" + student(2).eld, "|");
    clickCell(3, 18);
    EXPECT_TRUE(mainControl<QLabel>("lblDetail4")->text().endsWith(" Interview Request: Y"));
    EXPECT_EQ(undoCount(), 4u);

    clickCell(0, 15, Qt::RightButton);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(student(r).iep + cell(r, 15).toStdString(), "YY") << r;
    clickCell(0, 16, Qt::RightButton);
    clickCell(0, 17, Qt::RightButton);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(student(r).esl + "|" + student(r).eld + "|" + cell(r, 16).toStdString(), "|Y|") << r;
    clickCell(0, 15);
    EXPECT_EQ(student(4).iep, "");
    // The interview heading also shows in the current student's details.
    clickCell(0, 18, Qt::RightButton);
    EXPECT_TRUE(mainControl<QLabel>("lblDetail4")->text().endsWith(" Interview Request: Y"));
    EXPECT_EQ(student(1).interview, "Y");
    EXPECT_EQ(undoCount(), 9u); // each heading click that changed something is one step
}

TEST_F(EntryTest, AHeadingClickIsUndoneInOneStepForTheWholeClass)
{
    start();
    openNewClass(5);
    mainControl<QPushButton>("cmdSwitch")->click();
    clickCell(2, 15);           // IEP for student 2
    clickCell(4, 15);           // and 4
    clickCell(3, 17);           // ELD for student 3
    clickCell(0, 15);           // a slip: IEP off for everyone
    clickCell(0, 16, Qt::RightButton); // and ESL on for everyone, which clears the ELD
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(student(r).iep + "|" + student(r).esl + "|" + student(r).eld, "|Y|") << r;
    toolButton("cmdUndo")->click();
    EXPECT_EQ(student(3).eld, "Y");
    EXPECT_EQ(cell(3, 17), "Y");
    EXPECT_EQ(student(1).esl + cell(1, 16).toStdString(), "");
    toolButton("cmdUndo")->click();
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(student(r).iep + cell(r, 15).toStdString(), r == 2 || r == 4 ? "YY" : "") << r;
    EXPECT_EQ(undoCount(), 3u);
}

TEST_F(EntryTest, AClickOnAStudentsNumberOrNameMakesThemCurrent)
{
    start();
    openClass(sampleClassCopy());
    for (const int col : {0, 1, 2}) {
        const int row = 3 + col * 4;
        clickCell(row, col);
        EXPECT_EQ(grid()->currentRow(), row) << col;
        EXPECT_EQ(grid()->currentCol(), 3) << col;
        const QString lastName = QString::fromStdString(student(row).lastName);
        EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith(lastName));
    }
    // The free-form dialog then opens for that student.
    clickCell(6, 1);
    frmFreeFormCommentEntry* dialog = openDialog();
    ASSERT_TRUE(dialog);
    dialog->findChild<QPlainTextEdit*>("txtComment")->setPlainText("Works with care and asks good questions.");
    dialog->findChild<QPushButton*>("cmdOkay")->click();
    settle();
    EXPECT_TRUE(student(6).hasFreeForm);
    EXPECT_EQ(student(6).freeFormComment, "Works with care and asks good questions.");
}
