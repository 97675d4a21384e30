#include "gui/main/GridCellEntry.h"

#include "core/entry/CellKeys.h"
#include "core/entry/ClassGridLayout.h"
#include "core/entry/CommentPlacement.h"
#include "core/entry/SkillRating.h"
#include "core/entry/StudentFlags.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/program/ProgramState.h"
#include "gui/main/EntryHost.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/ClassGridAccessibility.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/GridCellText.h"

namespace tq {

namespace {
bool isCommentColumn(int col) { return col >= firstCommentColumn && col < firstSkillColumn; }
bool isSkillColumn(int col) { return col >= firstSkillColumn && col < iepColumn; }
bool isFlagColumn(int col) { return col >= iepColumn && col <= interviewColumn; }
StudentFlag flagOfColumn(int col) { return static_cast<StudentFlag>(col - iepColumn); }

CommentCells commentCellsOf(const ui::ClassGrid& grid, int row)
{
    CommentCells cells;
    for (int k = 0; k < commentCount; ++k)
        cells[static_cast<size_t>(k)] = cellBytes(grid, row, firstCommentColumn + k);
    return cells;
}

FlagCells flagCellsOf(const ui::ClassGrid& grid, int row)
{
    FlagCells flags;
    for (size_t k = 0; k < flags.size(); ++k)
        flags[k] = cellBytes(grid, row, iepColumn + static_cast<int>(k));
    return flags;
}

// The band of the five comment columns and of the six skill columns, in twips from the grid's left.
constexpr int commentBandLeft = 5000;
constexpr int commentBandRight = 7735;
constexpr int skillBandRight = 6800;
} // namespace

GridCellEntry::GridCellEntry(ui::ClassGrid& grid, FavouritesList& palette, ProgramState& state, EntryHost& host)
    : QObject(&grid), grid_(grid), state_(state), host_(host),
      picker_(std::make_unique<CommentCodePicker>(grid, palette))
{
    connect(&grid, &ui::ClassGrid::mouseReleased, this, [this](int button, int, int, int) { mouseUp(button); });
    connect(&grid, &ui::ClassGrid::clicked, this, [this] { storeCell(grid_.mouseRow(), grid_.mouseCol()); });
    connect(&grid, &ui::ClassGrid::mouseMoved, this, [this](int, int, int x, int) { mouseMove(x); });
    // Choosing an entry, by mouse or keyboard, drops a picked-up code.
    connect(&palette, &FavouritesList::entryChosen, this, [this] { dropCode(); });
}

GridCellEntry::~GridCellEntry() = default;

void GridCellEntry::mouseUp(int button)
{
    const int row = grid_.mouseRow();
    const int col = grid_.mouseCol();
    const bool studentRow = row >= 1 && row <= state_.studentCount();
    // The number and names stay put while the grid scrolls and take no entry, so the grid does
    // not move into them; a click there still means this student: their mark cell becomes current.
    if (studentRow && col < fixedGridColumns && button == leftButton)
        grid_.setCurrent(row, markColumn);
    if (studentRow && isCommentColumn(col)) {
        if (button == rightButton)
            pickUpCode(row, col);
        if (picker_->hasCode() && !placeClickedCode(button, row, col))
            return;
    }
    if (studentRow && isSkillColumn(col))
        rateSkill(button, row, col);
    if (row == 0 && isFlagColumn(col))
        setFlagForClass(button, col);
}

const PendingCode& GridCellEntry::pending() const
{
    return picker_->pending();
}

void GridCellEntry::dropCode()
{
    picker_->drop();
}

void GridCellEntry::pickUpCode(int row, int col)
{
    picker_->drop();
    // A free-form student's cells show the words "Free Form Code Click Below", not codes.
    if (state_.students[static_cast<size_t>(row - 1)].hasFreeForm)
        return;
    picker_->lookUpOrPickUp(row, col);
}

bool GridCellEntry::placeClickedCode(int button, int row, int col)
{
    if (button == leftButton) {
        if (state_.students[static_cast<size_t>(row - 1)].hasFreeForm)
            return false; // a free-form comment takes no codes
        picker_->placeInto(row, col, firstCommentColumn, commentCount);
    }
    grid_.setCurrent(row, col);
    grid_.setCellForeground(row, col, QColor()); // no longer an initial value
    return true;
}

void GridCellEntry::rateSkill(int button, int row, int col)
{
    const std::optional<std::string> rating = steppedSkillRating(cellBytes(grid_, row, col), button);
    setCell(row, col, rating.value_or(cellBytes(grid_, row, col)));
}

// A skill cell given `value` (a rating, or empty), made current, and the row's skills stored.
void GridCellEntry::setCell(int row, int col, const std::string& value)
{
    setCellBytes(grid_, row, col, value);
    grid_.setCurrent(row, col);
    grid_.setCellForeground(row, col, QColor()); // no longer an initial value
    const int index = row - 1;
    host_.studentChanging(index);
    StudentRecord& student = state_.students[static_cast<size_t>(index)];
    for (int k = 1; k <= skillCount; ++k)
        student.skill(k) = cellBytes(grid_, row, firstSkillColumn + k - 1);
    host_.displayDetails(index);
    grid_.announce(ui::cellWords(grid_, row, col));
}

void GridCellEntry::setFlagForClass(int button, int col)
{
    // One step of undo gives every student's flag back: a slip on a heading must not cost the
    // teacher a class's worth of flags.
    host_.classFlagsChanging(flagOfColumn(col), button == rightButton);
    tq::setFlagForClass(state_.students, flagOfColumn(col), button == rightButton);
    for (int i = 0; i < state_.studentCount(); ++i)
        host_.redrawStudentRow(i);
    // The panel shows the interview request, so it follows that heading.
    const int row = grid_.currentRow();
    if (col == interviewColumn && row >= 1 && row <= state_.studentCount())
        host_.displayDetails(row - 1);
}

// A click on cell (row, col), or its keyboard twin: a flag cell's flag toggles; the row's
// comments and flags, as the grid shows them now, become the student's, with their undo.
void GridCellEntry::storeCell(int row, int col)
{
    if (row < 1 || row > state_.studentCount())
        return;
    if (isFlagColumn(col)) {
        FlagCells flags = flagCellsOf(grid_, row);
        toggleFlag(flags, flagOfColumn(col));
        for (size_t k = 0; k < flags.size(); ++k)
            setCellBytes(grid_, row, iepColumn + static_cast<int>(k), flags[k]);
    }
    const int index = row - 1;
    StudentRecord& student = state_.students[static_cast<size_t>(index)];
    if (isCommentColumn(col) && student.hasFreeForm)
        return;
    if (!isCommentColumn(col) && !isFlagColumn(col))
        return;
    host_.studentChanging(index);
    if (!student.hasFreeForm) {
        const CommentCells cells = commentCellsOf(grid_, row);
        for (int k = 1; k <= commentCount; ++k)
            student.comment(k) = cells[static_cast<size_t>(k - 1)];
    }
    storeFlags(student, flagCellsOf(grid_, row));
    host_.displayDetails(index);
    grid_.announce(ui::cellWords(grid_, row, col));
}

std::optional<std::string> GridCellEntry::keyTyped(int row, int col, int charCode)
{
    if (row < 1 || row > state_.studentCount())
        return std::nullopt;
    const CellKind kind = isCommentColumn(col) ? CellKind::Comment
                          : isSkillColumn(col) ? CellKind::Skill
                          : isFlagColumn(col)  ? CellKind::Flag
                                               : CellKind::Other;
    const CellKey key = cellKey(kind, charCode);
    const bool freeForm = state_.students[static_cast<size_t>(row - 1)].hasFreeForm;
    switch (key.action) {
    case CellKey::Action::TypeCode:
        if (!freeForm)
            return key.value;
        break;
    case CellKey::Action::Rate:
        setCell(row, col, key.value);
        break;
    case CellKey::Action::ToggleFlag:
        storeCell(row, col);
        break;
    case CellKey::Action::Clear:
        if (kind == CellKind::Comment)
            placeCode(row, col, blankCode); // as the "no comment" favourite does
        else if (kind == CellKind::Skill)
            setCell(row, col, std::string());
        else if (!cellBytes(grid_, row, col).empty())
            storeCell(row, col); // a set flag toggles off
        break;
    case CellKey::Action::None:
        break;
    }
    return std::nullopt;
}

bool GridCellEntry::placeCode(int row, int col, const std::string& code)
{
    if (row < 1 || row > state_.studentCount() || !isCommentColumn(col) ||
        state_.students[static_cast<size_t>(row - 1)].hasFreeForm)
        return false;
    picker_->drop();
    picker_->placeCodeInto(row, col, firstCommentColumn, commentCount, code);
    grid_.setCurrent(row, col);
    grid_.setCellForeground(row, col, Qt::black);
    storeCell(row, col);
    return true;
}

int GridCellEntry::commentCellFor(int row) const
{
    const int current = grid_.currentCol();
    return firstCommentColumn +
           slotForChosenCode(commentCellsOf(grid_, row), isCommentColumn(current) ? current - firstCommentColumn : -1);
}

void GridCellEntry::mouseMove(int xTwips)
{
    const int row = grid_.mouseRow();
    const int col = grid_.mouseCol();
    const bool commentsView = host_.commentsView();
    const bool dropMode = commentsView && picker_->hasCode() && xTwips >= commentBandLeft && xTwips <= commentBandRight;
    if (dropMode) {
        const bool freeFormCell = row >= 1 && row <= state_.studentCount() && isCommentColumn(col) &&
                                  state_.students[static_cast<size_t>(row - 1)].hasFreeForm;
        grid_.setPointer(freeFormCell ? ui::ClassGrid::Pointer::Arrow : ui::ClassGrid::Pointer::Custom);
        return;
    }
    const bool skillBand = !commentsView && xTwips >= commentBandLeft && xTwips <= skillBandRight;
    grid_.setPointer(skillBand ? ui::ClassGrid::Pointer::DiagonalSizing : ui::ClassGrid::Pointer::Arrow);
}

} // namespace tq
