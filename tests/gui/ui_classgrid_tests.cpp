// The grid: cell notifications, mouse and keyboard, fixed rows and columns, widths, colours.
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Twips.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "ui_QtPrinting.h"

using namespace tq::ui;

namespace {

const int commentWidths[] = {1000, 2000, 1500, 470, 525, 525, 525, 525, 525};

// A grid laid out as the main window's class grid, with `students` rows under the heading.
class UiClassGrid : public ::testing::Test {
protected:
    void SetUp() override { build(40, QSize(700, 320)); }

    void build(int students, QSize size)
    {
        grid = std::make_unique<ClassGrid>(19);
        grid->resize(size);
        grid->setRows(0);
        grid->addRow("Student ID\tLAST\tFIRST\tMRK\t  CM1\t  CM2\t  CM3\t  CM4\t  CM5\t R\t O\t W\t C\t  I\t S\t P\t E\t D\t T");
        for (int col = 0; col < 9; ++col)
            grid->setColumnWidthTwips(col, commentWidths[col]);
        for (int col = 9; col < 19; ++col)
            grid->setColumnWidthTwips(col, 0);
        for (int i = 1; i <= students; ++i)
            grid->addRow(QString("123-456-%1\tLast%1\tFirst%1\t%2\t0001\t0002\t\t\t\t3\t3\t3\t3\t3\t3\t\tY\t\t").arg(i).arg(60 + i % 40));
        grid->setFixedRows(1);
        grid->setFixedCols(3);
        grid->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
        connectLog();
    }

    void connectLog()
    {
        auto at = [this] { return QString(" %1,%2").arg(grid->currentRow()).arg(grid->currentCol()); };
        QObject::connect(grid.get(), &ClassGrid::leaveCell, [this, at] { log << "leave" + at(); });
        QObject::connect(grid.get(), &ClassGrid::enterCell, [this, at] { log << "enter" + at(); });
        QObject::connect(grid.get(), &ClassGrid::mouseReleased, [this](int button, int shift, int, int) {
            log << QString("released %1 %2").arg(button).arg(shift);
        });
        QObject::connect(grid.get(), &ClassGrid::clicked, [this] { log << "clicked"; });
        QObject::connect(grid.get(), &ClassGrid::keyPressed, [this](int code) { log << QString("key %1").arg(code); });
    }

    // The centre of a cell, in the viewport's coordinates (where QTest sends mouse events).
    QPoint cellCentre(int row, int col) const
    {
        const QRect rect = grid->cellRect(row, col);
        EXPECT_TRUE(rect.isValid()) << row << "," << col;
        return grid->viewport()->mapFrom(grid.get(), rect.center());
    }

    QColor pixelIn(const QImage& image, const QRect& rect) const
    {
        // Inside the cell, clear of the dotted frame, the text and the grid lines.
        return image.pixelColor(rect.left() + 2, rect.bottom() - 2);
    }

    std::unique_ptr<ClassGrid> grid;
    QStringList log;
};

} // namespace

TEST_F(UiClassGrid, RebuildLeavesTheCurrentCellInTheFirstStudentsRow)
{
    EXPECT_EQ(grid->rows(), 41);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentCol(), 3);
    EXPECT_EQ(grid->selectedRow(), 1);
    EXPECT_EQ(grid->selectedCol(), 3);
    EXPECT_EQ(grid->text(0, 4), "  CM1");
    EXPECT_EQ(grid->text(2, 1), "Last2");
    EXPECT_EQ(grid->text(2, 18), "");
    EXPECT_EQ(grid->text(2, 16), "Y");
}

TEST_F(UiClassGrid, KeyboardMovesLeaveThenEnterAndStayOutOfFixedAndHiddenCells)
{
    QTest::keyClick(grid.get(), Qt::Key_Down);
    QTest::keyClick(grid.get(), Qt::Key_Right);
    EXPECT_EQ(log, QStringList({"leave 1,3", "enter 2,3", "leave 2,3", "enter 2,4"}));

    log.clear();
    QTest::keyClick(grid.get(), Qt::Key_Left);    // back to MRK
    QTest::keyClick(grid.get(), Qt::Key_Left);    // FIRST is fixed: no move
    QTest::keyClick(grid.get(), Qt::Key_Up);
    QTest::keyClick(grid.get(), Qt::Key_Up);      // the heading row is fixed: no move
    EXPECT_EQ(log, QStringList({"leave 2,4", "enter 2,3", "leave 2,3", "enter 1,3"}));

    // Skills view: the comment columns are 0 wide and skipped, the skill columns take their place.
    for (int col = 4; col < 9; ++col)
        grid->setColumnWidthTwips(col, 0);
    for (int col = 9; col < 19; ++col)
        grid->setColumnWidthTwips(col, 290);
    log.clear();
    QTest::keyClick(grid.get(), Qt::Key_Right);
    QTest::keyClick(grid.get(), Qt::Key_End);
    QTest::keyClick(grid.get(), Qt::Key_Right);   // already last: no move
    QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(log, QStringList({"leave 1,3", "enter 1,9", "leave 1,9", "enter 1,18", "leave 1,18", "enter 40,18"}));
    EXPECT_TRUE(grid->currentCellRect().isValid());   // scrolled into view

    // No cell out of sight is ever current: code asking for one gets the row's first column on
    // show, and a column hidden under the current cell sends it there.
    grid->setCurrent(5, 7);
    EXPECT_EQ(grid->currentCol(), 3);
    grid->setCurrent(5, 12);
    log.clear();
    grid->setColumnWidthTwips(12, 0);
    EXPECT_EQ(log, QStringList({"leave 5,12", "enter 5,3"}));
}

TEST_F(UiClassGrid, CodeMovesNotifyOnlyOnRealChanges)
{
    grid->setCurrent(5, 4);
    grid->setCurrent(5, 4);
    grid->setCurrentCol(0);      // code may make a fixed cell current
    grid->setCurrentCol(0);
    grid->setCurrentRow(99);     // clamped to the last row
    EXPECT_EQ(log, QStringList({"leave 1,3", "enter 5,4", "leave 5,4", "enter 5,0", "leave 5,0", "enter 40,0"}));

    // Removing rows moves the current cell; leave still names the old cell, which still exists.
    log.clear();
    QString textSeenOnLeave;
    QObject::connect(grid.get(), &ClassGrid::leaveCell, [&] {
        textSeenOnLeave = grid->text(grid->currentRow(), 1);
    });
    grid->setRows(10);
    EXPECT_EQ(textSeenOnLeave, "Last40");
    grid->setRows(0);
    EXPECT_EQ(log, QStringList({"leave 40,0", "enter 9,0", "leave 9,0", "enter 0,0"}));
    // Adding rows to the emptied grid and fixing the heading moves into the first student's row.
    log.clear();
    grid->addRow("h0\th1\th2\th3");
    grid->addRow("a\tb\tc\td");
    EXPECT_TRUE(log.isEmpty());
    grid->setFixedRows(1);
    grid->setFixedCols(3);
    EXPECT_EQ(log, QStringList({"leave 0,0", "enter 1,0", "leave 1,0", "enter 1,3"}));
}

TEST_F(UiClassGrid, LeftClickMovesThenReleasesThenClicks)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(3, 5));
    EXPECT_EQ(log, QStringList({"leave 1,3", "enter 3,5", "released 1 1", "clicked"}));
    EXPECT_EQ(grid->mouseRow(), 3);
    EXPECT_EQ(grid->mouseCol(), 5);
    EXPECT_TRUE(grid->hasFocus());

    // A right click reports its release only; the current cell stays.
    log.clear();
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cellCentre(4, 6));
    EXPECT_EQ(log, QStringList({"released 2 0"}));
    EXPECT_EQ(grid->mouseRow(), 4);
    EXPECT_EQ(grid->currentRow(), 3);

    // A click on the heading or a fixed column does not move the current cell.
    log.clear();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(0, 7));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(6, 1));
    EXPECT_EQ(log, QStringList({"released 1 0", "clicked", "released 1 0", "clicked"}));
    EXPECT_EQ(grid->mouseRow(), 6);
    EXPECT_EQ(grid->mouseCol(), 1);
}

TEST_F(UiClassGrid, MousePositionsInTwipsAndCellsUnderThePointer)
{
    int movedX = -1;
    int movedY = -1;
    QObject::connect(grid.get(), &ClassGrid::mouseMoved, [&](int, int, int x, int y) {
        movedX = x;
        movedY = y;
    });
    const QPoint inViewport = cellCentre(2, 4);
    // Sent directly: QTest::mouseMove raises nothing when the pointer is already there.
    QMouseEvent move(QEvent::MouseMove, QPointF(inViewport), QPointF(grid->viewport()->mapToGlobal(inViewport)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
    const QPoint inGrid = grid->viewport()->mapTo(grid.get(), inViewport);
    EXPECT_EQ(movedX, pixelsToTwipsX(inGrid.x(), grid.get()));
    EXPECT_EQ(movedY, pixelsToTwipsY(inGrid.y(), grid.get()));
    EXPECT_EQ(grid->mouseRow(), 2);
    EXPECT_EQ(grid->mouseCol(), 4);

    // Column 4 begins where the widths of columns 0 to 3 end.
    const QRect cm1 = grid->cellRect(2, 4);
    EXPECT_EQ(grid->colAt(cm1.topLeft()), 4);
    EXPECT_EQ(grid->colAt(cm1.topLeft() - QPoint(1, 0)), 3);
    EXPECT_EQ(cm1.left() - grid->cellRect(2, 0).left(),
              twipsToPixelsX(1000, grid.get()) + twipsToPixelsX(2000, grid.get()) + twipsToPixelsX(1500, grid.get())
                  + twipsToPixelsX(470, grid.get()));
    EXPECT_EQ(grid->rowAt(cm1.topLeft()), 2);
    EXPECT_EQ(grid->rowAt(cm1.topLeft() - QPoint(0, 1)), 1);
    // Right of the last column and below the last row there are no cells.
    const QRect last = grid->cellRect(1, 8);
    EXPECT_EQ(grid->colAt(last.topRight() + QPoint(2, 0)), -1);
    EXPECT_EQ(grid->currentCellRect(), grid->cellRect(1, 3));

    build(3, QSize(700, 320));
    EXPECT_EQ(grid->rowAt(grid->cellRect(3, 4).bottomLeft() + QPoint(0, 2)), -1);
}

TEST_F(UiClassGrid, ZeroWidthColumnsAreHiddenButKeepTheirCells)
{
    EXPECT_EQ(grid->columnWidthTwips(9), 0);
    EXPECT_EQ(grid->columnWidthTwips(4), 525);
    EXPECT_EQ(grid->columnWidthTwips(3), 470);   // as set, not as rounded to pixels
    EXPECT_EQ(grid->text(5, 9), "3");
    EXPECT_FALSE(grid->cellRect(5, 9).isValid());
    // The skill columns take no room: the next visible column starts where CM5 ends.
    grid->setColumnWidthTwips(16, 290);
    EXPECT_EQ(grid->cellRect(5, 16).left(), grid->cellRect(5, 8).right() + 1);
    EXPECT_EQ(grid->colAt(grid->cellRect(5, 16).topLeft()), 16);
    grid->setText(5, 9, "4");
    EXPECT_EQ(grid->text(5, 9), "4");
}

TEST_F(UiClassGrid, FixedColumnsAndHeadingStayWhenTheGridScrolls)
{
    build(40, QSize(420, 240));   // too narrow for all columns, too short for all rows
    const QRect fixedBefore = grid->cellRect(1, 2);   // the last fixed column
    ASSERT_GT(grid->horizontalScrollBar()->maximum(), 0);

    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    EXPECT_GT(grid->leftCol(), 3);
    EXPECT_EQ(grid->cellRect(1, 2), fixedBefore);
    EXPECT_FALSE(grid->cellRect(1, 3).isValid());                 // MRK has scrolled away
    EXPECT_EQ(grid->colAt(fixedBefore.center()), 2);
    EXPECT_EQ(grid->colAt(fixedBefore.topRight() + QPoint(1, 0)), grid->leftCol());
    EXPECT_TRUE(grid->cellRect(1, 8).isValid());                  // the last column came into view

    const QRect headingBefore = grid->cellRect(0, 8);
    grid->setTopRow(20);
    EXPECT_EQ(grid->topRow(), 20);
    EXPECT_EQ(grid->cellRect(0, 8), headingBefore);
    EXPECT_EQ(grid->rowAt(headingBefore.bottomLeft() + QPoint(0, 1)), 20);

    // What is painted: grey fixed cells and heading, the scrolled cells white.
    const QImage image = grid->grab().toImage();
    const QColor grey = grid->palette().color(QPalette::Button);
    EXPECT_EQ(pixelIn(image, grid->cellRect(21, 0)), grey);
    EXPECT_EQ(pixelIn(image, grid->cellRect(0, 8)), grey);
    EXPECT_EQ(pixelIn(image, grid->cellRect(21, 8)), grid->palette().color(QPalette::Base));
    EXPECT_EQ(grid->cellRect(21, 2), fixedBefore.translated(0, grid->cellRect(21, 2).top() - fixedBefore.top()));

    // A keyboard move from the scrolled-away current cell (1, 3) brings its neighbour into view.
    QTest::keyClick(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->topRow(), 2);
    EXPECT_EQ(grid->leftCol(), 3);
    EXPECT_TRUE(grid->currentCellRect().isValid());
}

TEST_F(UiClassGrid, CellColoursAndTheAreaOutsideTheCells)
{
    const QColor highlight(0, 120, 215);
    grid->setCurrent(2, 0);
    grid->setCurrentCellBackground(highlight);
    grid->setCurrentCellForeground(Qt::white);
    grid->setCellBackground(3, 5, QColor(110, 150, 210));
    grid->setCellForeground(3, 6, Qt::red);
    grid->setBackgroundOutsideCells(Qt::white);

    EXPECT_EQ(grid->cellBackground(2, 0), highlight);
    EXPECT_EQ(grid->cellForeground(2, 0), QColor(Qt::white));
    EXPECT_EQ(grid->cellBackground(2, 1), grid->palette().color(QPalette::Button));
    EXPECT_EQ(grid->cellForeground(3, 6), QColor(Qt::red));
    EXPECT_EQ(grid->cellForeground(3, 7), grid->palette().color(QPalette::Text));

    const QImage image = grid->grab().toImage();
    EXPECT_EQ(pixelIn(image, grid->cellRect(2, 0)), highlight);
    EXPECT_EQ(pixelIn(image, grid->cellRect(3, 5)), QColor(110, 150, 210));
    const QRect lastCell = grid->cellRect(1, 8);
    EXPECT_EQ(image.pixelColor(lastCell.right() + 5, lastCell.center().y()), QColor(Qt::white));
    grid->setBackgroundOutsideCells(QColor(10, 20, 30));
    EXPECT_EQ(grid->grab().toImage().pixelColor(lastCell.right() + 5, lastCell.center().y()), QColor(10, 20, 30));

    // The current cell keeps its own colours when current: only a dotted frame marks it, solid
    // while the keyboard is in the grid, so that the teacher sees where keys go.
    grid->setCurrent(3, 5);
    EXPECT_EQ(pixelIn(grid->grab().toImage(), grid->cellRect(3, 5)), QColor(110, 150, 210));
    const auto frameIsSolid = [this] {
        const QImage image = grid->grab().toImage();
        const QRect cell = grid->cellRect(3, 5);
        QSet<QRgb> edge;
        for (int y = cell.top() + 3; y < cell.bottom() - 3; ++y)
            edge.insert(image.pixel(cell.left() + 1, y));
        return edge.size() == 1 && !edge.contains(QColor(110, 150, 210).rgb());
    };
    grid->clearFocus();
    EXPECT_FALSE(frameIsSolid());
    grid->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
    grid->setFocus();
    EXPECT_TRUE(frameIsSolid());

    // Clearing empties texts and colours but keeps the rows and the current cell.
    log.clear();
    grid->clear();
    EXPECT_EQ(grid->rows(), 41);
    EXPECT_EQ(grid->text(2, 1), "");
    EXPECT_EQ(grid->cellBackground(3, 5), grid->palette().color(QPalette::Base));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(UiClassGrid, TypedKeysReportTheirCharacterCode)
{
    QTest::keyClick(grid.get(), '7');
    QTest::keyClick(grid.get(), Qt::Key_Return);
    QTest::keyClick(grid.get(), 'I');
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\u00E9"));
    QApplication::sendEvent(grid.get(), &accented);
    EXPECT_EQ(log, QStringList({"key 55", "key 13", "key 73", "key 233"}));
}

TEST_F(UiClassGrid, PointerShapes)
{
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::ArrowCursor);
    grid->setPointer(ClassGrid::Pointer::DiagonalSizing);
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::SizeBDiagCursor);
    QPixmap stamp(32, 32);
    stamp.fill(Qt::darkRed);
    grid->setCustomPointer(QCursor(stamp, 4, 28));
    grid->setPointer(ClassGrid::Pointer::Custom);
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(grid->pointer(), ClassGrid::Pointer::Custom);
    grid->setPointer(ClassGrid::Pointer::Arrow);
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(UiClassGrid, RowsTakeTheirFieldsFromTabSeparatedText)
{
    grid->addRow("only\ttwo");
    grid->addRow(QString("f0") + QString("\tf").repeated(25));
    EXPECT_EQ(grid->text(41, 0), "only");
    EXPECT_EQ(grid->text(41, 1), "two");
    EXPECT_EQ(grid->text(41, 2), "");
    EXPECT_EQ(grid->text(42, 18), "f");
    EXPECT_EQ(grid->text(43, 0), "");        // outside the grid
    grid->setText(43, 0, "ignored");
    EXPECT_EQ(grid->rows(), 43);

    // A full class of 501 rows is filled without a single notification.
    log.clear();
    build(500, QSize(900, 420));
    EXPECT_EQ(grid->rows(), 501);
    EXPECT_EQ(grid->text(500, 1), "Last500");
    grid->setCurrent(3, 0);
    for (int col = 0; col < 3; ++col) {
        grid->setCurrentCol(col);
        grid->setCurrentCellBackground(grid->palette().color(QPalette::Highlight));
        grid->setCurrentCellForeground(Qt::white);
    }
    grid->setCurrentCol(3);
    grid->setCellForeground(3, 4, Qt::red);
    grid->setCellBackground(5, 6, QColor(110, 150, 210));
    grid->grab().save("/tmp/grid.png");
}
