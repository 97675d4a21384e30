// The class grid of the main window: rebuilding it from the class, the highlight of the current
// student, the two column views and the mouse pointer over it.
#include "core/entry/ClassGridLayout.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/StampCursor.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace tq {

namespace {
// The band of the five comment columns and of the six skill columns, in twips from the grid's left.
constexpr int commentBandLeft = 5000;
constexpr int commentBandRight = 7735;
constexpr int skillBandRight = 6800;

QColor buttonFace(const QWidget* w) { return w->palette().color(QPalette::Button); }
QColor selectionHighlight(const QWidget* w) { return w->palette().color(QPalette::Highlight); }
} // namespace

void frmEntry::connectGrid()
{
    connect(msfgClass, &ui::ClassGrid::enterCell, this, [this] { msfgClass_EnterCell(); });
    connect(msfgClass, &ui::ClassGrid::leaveCell, this, [this] { msfgClass_LeaveCell(); });
    connect(msfgClass, &ui::ClassGrid::mouseMoved, this, [this](int, int, int x, int y) { msfgClass_MouseMove(x, y); });
    msfgClass->setCustomPointer(stampCursor());
}

void frmEntry::fillflexGrid()
{
    // A mark half typed belongs to the student it was typed for: the box closes without storing
    // it, as leaving its cell does, before the rows under it change.
    if (txtDataEntry->isVisible())
        hideMarkEntryBox();
    const int count = state_.studentCount();
    if (count == 0)
        return;
    enterCellActive = false;
    leaveCellActive = false;
    msfgClass->clear();
    msfgClass->setBackgroundOutsideCells(buttonFace(this));
    msfgClass->setRows(0);
    msfgClass->addRow(ui::fromCp1252(joinTabs(gridHeadings())));
    for (int c = 0; c < firstSkillColumn; ++c)
        msfgClass->setColumnWidthTwips(c, commentsViewColumnWidth(c));
    showFavourites();
    for (int c = firstSkillColumn; c < gridColumnCount; ++c)
        msfgClass->setColumnWidthTwips(c, 0);
    const bool course = showCourseCodes();
    for (const StudentRecord& s : state_.students)
        msfgClass->addRow(ui::fromCp1252(joinTabs(gridRowCells(s, course))));
    if (count > buttonFaceClassLimit)
        msfgClass->setBackgroundOutsideCells(Qt::white);
    msfgClass->setFixedRows(1);
    msfgClass->setFixedCols(fixedGridColumns);
    msfgClass->setCurrent(1, markColumn);
    lblCourse->setText(ui::fromCp1252(state_.students.front().courseCode));
    lblClassSize->setText(QString::fromStdString(classSizeText(count)));
    displayDetails(0);
    leaveCellActive = true;
    enterCellActive = true;
    Highlight();
}

namespace {
void colourIdentityCells(ui::ClassGrid* grid, const QColor& background, const QColor& text)
{
    const int row = grid->currentRow();
    if (row < 1)
        return;
    for (int c = 0; c < fixedGridColumns; ++c) {
        grid->setCellBackground(row, c, background);
        grid->setCellForeground(row, c, text);
    }
}
} // namespace

void frmEntry::Highlight()
{
    colourIdentityCells(msfgClass, selectionHighlight(this), Qt::white);
}

void frmEntry::unHighlight()
{
    colourIdentityCells(msfgClass, buttonFace(this), Qt::black);
}

void frmEntry::msfgClass_EnterCell()
{
    if (!enterCellActive)
        return;
    enterCellActive = false;
    leaveCellActive = false;
    const int row = msfgClass->currentRow();
    if (row >= 1 && row <= state_.studentCount())
        displayDetails(row - 1);
    Highlight();
    enterCellActive = true;
    leaveCellActive = true;
}

void frmEntry::msfgClass_LeaveCell()
{
    if (!leaveCellActive)
        return;
    if (txtDataEntry->isVisible())
        hideMarkEntryBox(); // what was typed is dropped
    unHighlight();
}

bool frmEntry::commentsView() const
{
    return msfgClass->columnWidthTwips(firstCommentColumn) == commentColumnWidth;
}

void frmEntry::cmdSwitch_Click()
{
    if (commentsView()) {
        for (int c = firstCommentColumn; c < firstSkillColumn; ++c)
            msfgClass->setColumnWidthTwips(c, 0);
        showLearningSkills();
        for (int c = firstSkillColumn; c < gridColumnCount; ++c)
            msfgClass->setColumnWidthTwips(c, skillColumnWidth);
    } else {
        for (int c = firstCommentColumn; c < firstSkillColumn; ++c)
            msfgClass->setColumnWidthTwips(c, commentColumnWidth);
        showFavourites();
        for (int c = firstSkillColumn; c < gridColumnCount; ++c)
            msfgClass->setColumnWidthTwips(c, 0);
    }
}

void frmEntry::msfgClass_MouseMove(int xTwips, int)
{
    const int row = msfgClass->mouseRow();
    const int col = msfgClass->mouseCol();
    const bool dropMode = commentsView() && codePicker_->hasCode() &&
                          xTwips >= commentBandLeft && xTwips <= commentBandRight;
    if (dropMode) {
        const bool freeFormCell = row >= 1 && row <= state_.studentCount() && col >= firstCommentColumn &&
                                  col < firstSkillColumn && state_.students[static_cast<size_t>(row - 1)].hasFreeForm;
        msfgClass->setPointer(freeFormCell ? ui::ClassGrid::Pointer::Arrow : ui::ClassGrid::Pointer::Custom);
        return;
    }
    const bool skillBand = !commentsView() && xTwips >= commentBandLeft && xTwips <= skillBandRight;
    msfgClass->setPointer(skillBand ? ui::ClassGrid::Pointer::DiagonalSizing : ui::ClassGrid::Pointer::Arrow);
}

} // namespace tq
