// The class grid of the main window: rebuilding it from the class, the highlight of the current
// student, and the two column views.
#include "core/entry/ClassGridLayout.h"
#include "gui/main/FavouritesPanel.h"
#include "gui/widgets/CellEntryBox.h"
#include "gui/main/frmEntry.h"
#include "gui/reports/frmSummary.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ClassGridAccessibility.h"
#include "gui/widgets/Codepage.h"

#include <QLabel>
#include <QPalette>

namespace tq {

namespace {
QColor buttonFace(const QWidget* w) { return w->palette().color(QPalette::Button); }

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

void frmEntry::fillflexGrid()
{
    // A mark half typed belongs to the student it was typed for: the box closes without storing
    // it, as leaving its cell does, before the rows under it change.
    if (entryBox_->isOpen())
        entryBox_->close();
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
        msfgClass->setBackgroundOutsideCells(palette().color(QPalette::Base));
    msfgClass->setFixedRows(1);
    msfgClass->setFixedCols(fixedGridColumns);
    msfgClass->setCurrent(1, markColumn);
    lblCourse->setText(ui::fromCp1252(state_.students.front().courseCode));
    lblClassSize->setText(QString::fromStdString(classSizeText(count)));
    displayDetails(0);
    leaveCellActive = true;
    enterCellActive = true;
    Highlight();
    // Open, new class, restore, sort and update all end here, not all through classChanged.
    if (working.summaryWindow)
        working.summaryWindow->refresh();
}

frmEntry::CurrentPlace frmEntry::currentPlace() const
{
    const int row = msfgClass->currentRow();
    if (row < 1 || row > state_.studentCount())
        return {std::nullopt, markColumn};
    return {state_.students[static_cast<size_t>(row - 1)], msfgClass->currentCol()};
}

void frmEntry::returnTo(const CurrentPlace& place)
{
    const int index = place.student ? findStudent(state_.students, *place.student) : -1;
    if (index >= 0)
        msfgClass->setCurrent(index + 1, place.col); // a column no longer on show gives the first that is
}

// The rows change under the teacher's hands, not the student they are working on.
void frmEntry::reorderKeepingPlace(const std::function<void()>& reorder)
{
    const CurrentPlace here = currentPlace();
    reorder();
    fillflexGrid();
    returnTo(here);
}

void frmEntry::Highlight()
{
    colourIdentityCells(msfgClass, palette().color(QPalette::Highlight), palette().color(QPalette::HighlightedText));
}

void frmEntry::unHighlight()
{
    colourIdentityCells(msfgClass, QColor(), QColor()); // the fixed cells' own colours
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
    if (entryBox_->isOpen())
        entryBox_->close(); // what was typed is dropped
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
        favouritesPanel_->showLearningSkills();
        commands_->setOpenFavouritesEnabled(false);
        for (int c = firstSkillColumn; c < gridColumnCount; ++c)
            msfgClass->setColumnWidthTwips(c, skillColumnWidth);
    } else {
        for (int c = firstCommentColumn; c < firstSkillColumn; ++c)
            msfgClass->setColumnWidthTwips(c, commentColumnWidth);
        showFavourites();
        for (int c = firstSkillColumn; c < gridColumnCount; ++c)
            msfgClass->setColumnWidthTwips(c, 0);
    }
    // By key, button or menu, the teacher goes on in the grid and hears where the cursor now is.
    msfgClass->setFocus(Qt::OtherFocusReason);
    msfgClass->announce((commentsView() ? QStringLiteral("Comments view. ") : QStringLiteral("Learning skills view. ")) +
                        ui::cellWords(*msfgClass, msfgClass->currentRow(), msfgClass->currentCol()));
}

} // namespace tq
