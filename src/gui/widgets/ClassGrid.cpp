#include "gui/widgets/ClassGrid.h"

#include "gui/widgets/ClassGridAccessibility.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/FocusRing.h"
#include "gui/widgets/ReadableColour.h"
#include "gui/widgets/ScreenReaderAnnouncement.h"
#include "gui/widgets/Twips.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace tq::ui {
namespace {

// The smallest row height, as the grids of the school computers draw it.
constexpr int minimumRowHeightTwips = 240;
constexpr int textPadding = 3;
const QColor cellLineColor(192, 192, 192);

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int buttonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
         | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
         | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

ClassGrid::ClassGrid(int cols, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_cols(std::max(0, cols))
    , m_widthTwips(static_cast<std::size_t>(m_cols), defaultColumnWidthTwips)
    , m_mergeCols(static_cast<std::size_t>(m_cols), false)
    , m_outside(palette().color(QPalette::Button))
{
    setFont(programFont(QStringLiteral("MS Sans Serif"), 8.25));
    m_rowHeight = std::max(fontMetrics().height() + 4, twipsToPixelsY(minimumRowHeightTwips, this));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::ArrowCursor);
    installClassGridAccessibility();
}

// --- structure -------------------------------------------------------------------------------

void ClassGrid::clear()
{
    for (Row& row : m_cells)
        std::fill(row.begin(), row.end(), Cell{});
    viewport()->update();
}

void ClassGrid::setRows(int count)
{
    count = std::max(0, count);
    if (count == rows())
        return;
    relocate(std::min(m_row, std::max(0, count - 1)), m_col, [this, count] {
        m_cells.resize(static_cast<std::size_t>(count), Row(static_cast<std::size_t>(m_cols)));
        m_fixedRows = std::min(m_fixedRows, count);
    });
    scheduleLayout();
}

void ClassGrid::setCols(int count)
{
    count = std::max(0, count);
    if (count == m_cols)
        return;
    relocate(m_row, std::min(m_col, std::max(0, count - 1)), [this, count] {
        m_cols = count;
        for (Row& row : m_cells)
            row.resize(static_cast<std::size_t>(count));
        m_widthTwips.resize(static_cast<std::size_t>(count), defaultColumnWidthTwips);
        m_mergeCols.resize(static_cast<std::size_t>(count), false);
        m_fixedCols = std::min(m_fixedCols, count);
    });
    scheduleLayout();
}

void ClassGrid::addRow(const QString& line)
{
    Row row(static_cast<std::size_t>(m_cols));
    qsizetype start = 0;
    for (int col = 0; col < m_cols; ++col) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'), start);
        row[static_cast<std::size_t>(col)].text = line.mid(start, tab < 0 ? -1 : tab - start);
        if (tab < 0)
            break;
        start = tab + 1;
    }
    m_cells.push_back(std::move(row));
    // The layout follows once the program is done adding rows.
    scheduleLayout();
}

void ClassGrid::setFixedRows(int count)
{
    count = std::clamp(count, 0, rows());
    m_fixedRows = count;
    if (m_row < count && rows() > count)
        relocate(count, m_col);
    scheduleLayout();
    viewport()->update();
}

void ClassGrid::setFixedCols(int count)
{
    count = std::clamp(count, 0, m_cols);
    m_fixedCols = count;
    if (m_col < count && m_cols > count)
        relocate(m_row, count);
    scheduleLayout();
    viewport()->update();
}

int ClassGrid::columnWidthTwips(int col) const
{
    return col >= 0 && col < m_cols ? m_widthTwips[static_cast<std::size_t>(col)] : 0;
}

void ClassGrid::setColumnWidthTwips(int col, int twips)
{
    if (col < 0 || col >= m_cols)
        return;
    m_widthTwips[static_cast<std::size_t>(col)] = std::max(0, twips);
    scheduleLayout();
    viewport()->update();
    // A cell that is not on show takes nothing: the current cell leaves a column as it is hidden.
    if (twips <= 0 && col == m_col && col >= m_fixedCols)
        setCurrent(m_row, m_col);
}

int ClassGrid::firstShownCol() const
{
    for (int col = m_fixedCols; col < m_cols; ++col)
        if (m_widthTwips[static_cast<std::size_t>(col)] > 0)
            return col;
    return -1;
}

QString ClassGrid::text(int row, int col) const
{
    return isCell(row, col) ? m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].text : QString();
}

void ClassGrid::setText(int row, int col, const QString& text)
{
    if (!isCell(row, col))
        return;
    const bool changed = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].text != text;
    m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].text = text;
    if (changed && row == m_row && col == m_col)
        announceCurrentText(*this);
    // A text in a merged column can join or part the blocks around it.
    if (std::find(m_mergeCols.begin(), m_mergeCols.end(), true) != m_mergeCols.end())
        viewport()->update();
    else
        updateCell(row, col);
}

void ClassGrid::updateCell(int row, int col)
{
    viewport()->update(QRect(cellRect(row, col)).translated(-viewportOffset()));
}

// --- merged columns ----------------------------------------------------------------------------

void ClassGrid::setMergeCol(int col, bool merge)
{
    if (col < 0 || col >= m_cols)
        return;
    m_mergeCols[static_cast<std::size_t>(col)] = merge;
    viewport()->update();
}

bool ClassGrid::mergeCol(int col) const
{
    return col >= 0 && col < m_cols && m_mergeCols[static_cast<std::size_t>(col)];
}

bool ClassGrid::joinsAbove(int row, int col) const
{
    if (!mergeCol(col) || !isCell(row, col) || row == 0 || (row == m_fixedRows))
        return false;
    if (text(row, col) != text(row - 1, col))
        return false;
    for (int left = 0; left < col; ++left)
        if (mergeCol(left) && text(row, left) != text(row - 1, left))
            return false;
    return true;
}

int ClassGrid::mergedTop(int row, int col) const
{
    while (joinsAbove(row, col))
        --row;
    return row;
}

// --- current cell ----------------------------------------------------------------------------

void ClassGrid::relocate(int row, int col, const std::function<void()>& apply)
{
    if (row == m_row && col == m_col) {
        if (apply)
            apply();
        return;
    }
    emit leaveCell();
    if (apply)
        apply();
    // Only the two frames change (a scroll repaints everything by itself).
    updateCell(m_row, m_col);
    m_row = std::clamp(row, 0, std::max(0, rows() - 1));
    m_col = std::clamp(col, 0, std::max(0, m_cols - 1));
    ensureVisible(m_row, m_col);
    updateCell(m_row, m_col);
    emit enterCell();
    announceCurrentCell(*this);
}

void ClassGrid::setCurrent(int row, int col)
{
    col = std::clamp(col, 0, std::max(0, m_cols - 1));
    if (col >= m_fixedCols && col < m_cols && m_widthTwips[static_cast<std::size_t>(col)] == 0 && firstShownCol() >= 0)
        col = firstShownCol();
    relocate(std::clamp(row, 0, std::max(0, rows() - 1)), col);
}

void ClassGrid::setCurrentRow(int row) { setCurrent(row, m_col); }
void ClassGrid::setCurrentCol(int col) { setCurrent(m_row, col); }

void ClassGrid::moveByUser(int row, int col)
{
    if (row < m_fixedRows || col < m_fixedCols || !isCell(row, col) || widthPixels(col) == 0)
        return;
    setCurrent(row, col);
}

// --- colours ---------------------------------------------------------------------------------

QColor ClassGrid::cellBackground(int row, int col) const
{
    if (!isCell(row, col))
        return m_outside;
    const QColor& set = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].background;
    if (set.isValid())
        return set;
    const bool fixed = row < m_fixedRows || col < m_fixedCols;
    if (row == m_markedRow) {
        if (fixed)
            return palette().color(QPalette::Highlight);
        // A third of the highlight over the base: the text stays easy to read.
        const QColor mark = palette().color(QPalette::Highlight);
        const QColor base = palette().color(QPalette::Base);
        return QColor((mark.red() + 2 * base.red()) / 3, (mark.green() + 2 * base.green()) / 3,
                      (mark.blue() + 2 * base.blue()) / 3);
    }
    return palette().color(fixed ? QPalette::Button : QPalette::Base);
}

QColor ClassGrid::cellForeground(int row, int col) const
{
    if (!isCell(row, col))
        return palette().color(QPalette::Text);
    const QColor& set = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].foreground;
    if (set.isValid())
        return set;
    const bool fixed = row < m_fixedRows || col < m_fixedCols;
    if (fixed && row == m_markedRow)
        return palette().color(QPalette::HighlightedText);
    return palette().color(fixed ? QPalette::ButtonText : QPalette::Text);
}

QColor ClassGrid::shownForeground(int row, int col) const
{
    if (!isCell(row, col))
        return cellForeground(row, col);
    const Cell& cell = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
    if (!cell.foreground.isValid() && !cell.background.isValid())
        return cellForeground(row, col); // the palette's own pair
    return readableIn(palette(), cellForeground(row, col), cellBackground(row, col));
}

void ClassGrid::setMarkedRow(int row)
{
    if (row == m_markedRow)
        return;
    m_markedRow = row;
    viewport()->update();
}

void ClassGrid::setCellBackground(int row, int col, const QColor& color)
{
    if (!isCell(row, col))
        return;
    m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].background = color;
    updateCell(row, col);
}

void ClassGrid::setCellForeground(int row, int col, const QColor& color)
{
    if (!isCell(row, col))
        return;
    m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)].foreground = color;
    updateCell(row, col);
}

void ClassGrid::setBackgroundOutsideCells(const QColor& color)
{
    m_outside = color;
    viewport()->update();
}

// --- geometry --------------------------------------------------------------------------------

int ClassGrid::widestTextTwips(int col) const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int row = 0; row < rows(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(text(row, col)));
    // The text's padding on the left and the cell's line on the right.
    return pixelsToTwipsX(widest + textPadding + 2, this);
}

int ClassGrid::widthPixels(int col) const
{
    return twipsToPixelsX(m_widthTwips[static_cast<std::size_t>(col)], this);
}

int ClassGrid::fixedWidth() const
{
    int width = 0;
    for (int col = 0; col < m_fixedCols; ++col)
        width += widthPixels(col);
    return width;
}

int ClassGrid::fullyVisibleRows() const
{
    return std::max(1, (viewport()->height() - fixedHeight()) / m_rowHeight);
}

int ClassGrid::topRow() const
{
    ensureLayout();
    return m_fixedRows + verticalScrollBar()->value();
}

int ClassGrid::leftCol() const
{
    ensureLayout();
    return m_fixedCols + horizontalScrollBar()->value();
}

void ClassGrid::setTopRow(int row)
{
    ensureLayout();
    verticalScrollBar()->setValue(row - m_fixedRows);
}

void ClassGrid::setLeftCol(int col)
{
    ensureLayout();
    horizontalScrollBar()->setValue(col - m_fixedCols);
}

int ClassGrid::columnLeft(int col) const
{
    if (col < m_fixedCols) {
        int x = 0;
        for (int c = 0; c < col; ++c)
            x += widthPixels(c);
        return x;
    }
    const int first = leftCol();
    if (col < first)
        return -1;
    int x = fixedWidth();
    for (int c = first; c < col; ++c)
        x += widthPixels(c);
    return x;
}

int ClassGrid::rowTop(int row) const
{
    if (row < m_fixedRows)
        return row * m_rowHeight;
    const int first = topRow();
    return row < first ? -1 : fixedHeight() + (row - first) * m_rowHeight;
}

QPoint ClassGrid::viewportOffset() const
{
    return viewport()->geometry().topLeft();
}

QRect ClassGrid::cellRect(int row, int col) const
{
    if (!isCell(row, col) || widthPixels(col) == 0)
        return {};
    const int left = columnLeft(col);
    const int top = rowTop(row);
    if (left < 0 || top < 0 || left >= viewport()->width() || top >= viewport()->height())
        return {};
    return QRect(left, top, widthPixels(col), m_rowHeight).translated(viewportOffset());
}

int ClassGrid::rowAt(const QPoint& pos) const
{
    const QPoint p = pos - viewportOffset();
    if (!viewport()->rect().contains(p))
        return -1;
    int row;
    if (p.y() < fixedHeight())
        row = p.y() / m_rowHeight;
    else
        row = topRow() + (p.y() - fixedHeight()) / m_rowHeight;
    return row < rows() ? row : -1;
}

int ClassGrid::colAt(const QPoint& pos) const
{
    const QPoint p = pos - viewportOffset();
    if (!viewport()->rect().contains(p))
        return -1;
    int x = 0;
    for (int col = 0; col < m_fixedCols; ++col) {
        x += widthPixels(col);
        if (p.x() < x)
            return col;
    }
    for (int col = leftCol(); col < m_cols; ++col) {
        x += widthPixels(col);
        if (p.x() < x)
            return col;
    }
    return -1;
}

// --- layout and scrolling --------------------------------------------------------------------

void ClassGrid::scheduleLayout()
{
    m_layoutDirty = true;
    viewport()->update();
    if (m_layoutPosted)
        return;
    m_layoutPosted = true;
    QMetaObject::invokeMethod(this, [this] {
        m_layoutPosted = false;
        ensureLayout();
    }, Qt::QueuedConnection);
}

void ClassGrid::ensureLayout() const
{
    if (m_layoutDirty)
        const_cast<ClassGrid*>(this)->updateScrollBars();
}

// A scroll bar repaints whenever its steps are set, even to what they were: they are set only
// when they change, so that laying the grid out again costs no painting.
void ClassGrid::setScrollBarSteps(QScrollBar* bar, int maximum, int pageStep)
{
    bar->setRange(0, maximum);
    if (bar->pageStep() != pageStep)
        bar->setPageStep(pageStep);
    if (bar->singleStep() != 1)
        bar->setSingleStep(1);
}

void ClassGrid::updateScrollBars()
{
    if (m_inLayout)
        return;
    m_inLayout = true;
    m_layoutDirty = false;

    const int visibleRows = fullyVisibleRows();
    const int scrollingRows = rows() - m_fixedRows;
    setScrollBarSteps(verticalScrollBar(), std::max(0, scrollingRows - visibleRows), visibleRows);

    // The last left column is the first from which all remaining columns fit. A grid without
    // rows has nothing to scroll sideways.
    const int available = viewport()->width() - fixedWidth();
    int lastLeft = std::max(m_fixedCols, m_cols - 1);
    int width = 0;
    for (int col = m_cols - 1; col >= m_fixedCols; --col) {
        width += widthPixels(col);
        if (width > available)
            break;
        lastLeft = col;
    }
    if (rows() == 0)
        lastLeft = m_fixedCols;
    setScrollBarSteps(horizontalScrollBar(), std::max(0, lastLeft - m_fixedCols), 1);

    m_inLayout = false;
    // Showing or hiding a scroll bar resizes the viewport; resizeEvent then comes back here.
}

void ClassGrid::ensureVisible(int row, int col)
{
    ensureLayout();
    if (row >= m_fixedRows && row < rows()) {
        const int top = topRow();
        const int visible = fullyVisibleRows();
        if (row < top)
            verticalScrollBar()->setValue(row - m_fixedRows);
        else if (row >= top + visible)
            verticalScrollBar()->setValue(row - m_fixedRows - visible + 1);
    }
    if (col >= m_fixedCols && col < m_cols && widthPixels(col) > 0) {
        int left = leftCol();
        if (col < left) {
            left = col;
        } else {
            const int available = viewport()->width() - fixedWidth();
            auto spanWidth = [this, col](int from) {
                int width = 0;
                for (int c = from; c <= col; ++c)
                    width += widthPixels(c);
                return width;
            };
            while (left < col && spanWidth(left) > available)
                ++left;
        }
        horizontalScrollBar()->setValue(left - m_fixedCols);
    }
}

void ClassGrid::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ClassGrid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_layoutDirty = true;
    updateScrollBars();
}

void ClassGrid::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        m_rowHeight = std::max(fontMetrics().height() + 4, twipsToPixelsY(minimumRowHeightTwips, this));
        scheduleLayout();
    }
    QAbstractScrollArea::changeEvent(event);
}

// --- painting --------------------------------------------------------------------------------

void ClassGrid::focusInEvent(QFocusEvent* event)
{
    event->accept();
    updateCell(m_row, m_col);
    announceCurrentCell(*this);
    // Arriving from another control by Tab or a shortcut, the teacher hears where the cursor is.
    // Nothing more is said when the window comes back to the front (a message box or a dialog
    // closing): the screen reader reads the focused cell itself, and words of ours would come as
    // a notification before the next alert. (The program gives the grid the keyboard back as part
    // of what it does, with words of its own.)
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        sayCurrentCell();
}

void ClassGrid::sayCurrentCell()
{
    announce(cellWords(*this, m_row, m_col));
}

void ClassGrid::focusOutEvent(QFocusEvent* event)
{
    event->accept();
    m_saidRow = -1; // coming back, the teacher hears the row's name again
    updateCell(m_row, m_col);
}

void ClassGrid::paintEvent(QPaintEvent* event)
{
    ensureLayout();
    QPainter painter(viewport());
    painter.fillRect(event->rect(), m_outside);
    painter.setFont(font());

    const int height = viewport()->height();
    const int width = viewport()->width();
    const QColor fixedLine = palette().color(QPalette::Dark);

    // Visible rows and columns, fixed ones first.
    std::vector<int> visibleRows;
    for (int row = 0; row < m_fixedRows; ++row)
        visibleRows.push_back(row);
    for (int row = topRow(); row < rows() && fixedHeight() + (row - topRow()) * m_rowHeight < height; ++row)
        visibleRows.push_back(row);
    // Each column's place is worked out once per paint, not once per cell.
    struct VisibleCol { int col, left, width; };
    std::vector<VisibleCol> visibleCols;
    int x = 0;
    for (int col = 0; col < m_fixedCols; ++col) {
        visibleCols.push_back({col, x, widthPixels(col)});
        x += visibleCols.back().width;
    }
    for (int col = leftCol(); col < m_cols && x < width; ++col) {
        visibleCols.push_back({col, x, widthPixels(col)});
        x += visibleCols.back().width;
    }

    for (const int row : visibleRows) {
        const int top = rowTop(row);
        for (const auto& [col, left, w] : visibleCols) {
            if (w == 0)
                continue;
            const QRect rect(left, top, w, m_rowHeight);
            if (!rect.intersects(event->rect()))
                continue;
            const bool fixed = row < m_fixedRows || col < m_fixedCols;
            const Cell& cell = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            painter.fillRect(rect, cellBackground(row, col));
            // A merged block shows its text once: in its first row, or in the first row on show
            // when the block's beginning has scrolled away.
            const bool showText = !joinsAbove(row, col) || (row >= m_fixedRows && row == topRow());
            if (showText && !cell.text.isEmpty()) {
                painter.setPen(shownForeground(row, col));
                painter.drawText(rect.adjusted(textPadding, 0, -1, -1), Qt::AlignLeft | Qt::AlignVCenter, cell.text);
            }
            painter.setPen(fixed ? fixedLine : cellLineColor);
            painter.drawLine(rect.topRight(), rect.bottomRight());
            if (!joinsAbove(row + 1, col))
                painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        }
    }

    // The current cell carries a frame and nothing else, so its colours stay visible: dotted in
    // the text's colour; while the keyboard is in the grid, which tells the teacher where the keys
    // go, a solid ring 2 pixels wide in the highlight's colour, standing out from the cell and the
    // cells round it by 3 : 1.
    const QRect current = currentCellRect().translated(-viewportOffset());
    if (current.isValid()) {
        painter.setBrush(Qt::NoBrush);
        if (hasFocus()) {
            const QColor ring = focusRingColour(palette(), cellBackground(m_row, m_col), palette().color(QPalette::Base));
            QPen pen(ring, focusRingWidth);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.drawRect(QRectF(current).adjusted(1, 1, -1, -1));
        } else {
            painter.setPen(QPen(shownForeground(m_row, m_col), 1, Qt::DotLine));
            painter.drawRect(current.adjusted(1, 1, -2, -2));
        }
    }
}

// --- screen reader ------------------------------------------------------------------------------

QString ClassGrid::rowName(int row) const
{
    if (m_rowNamer)
        return m_rowNamer(row);
    QStringList names;
    for (int col = 0; col < m_fixedCols; ++col)
        if (const QString name = text(row, col).trimmed(); !name.isEmpty() && columnWidthTwips(col) > 0)
            names << name;
    return names.join(QLatin1Char(' '));
}

void ClassGrid::noteRowSaid(int row)
{
    m_saidBeforeRow = m_saidRow;
    m_saidRow = row;
}

bool ClassGrid::rowNameSaidBefore(int row) const
{
    // The last fixed column joins the row above only when every merged column left of it does.
    const int last = m_fixedCols - 1;
    if (row != m_saidRow || m_saidBeforeRow < m_fixedRows || last < 0 || !mergeCol(last) || m_saidBeforeRow >= rows())
        return false;
    return mergedTop(row, last) == mergedTop(m_saidBeforeRow, last);
}

void ClassGrid::announce(const QString& words, bool warning)
{
    (warning ? m_warningsToAnnounce : m_toAnnounce) << words;
    if (m_announcePosted)
        return;
    m_announcePosted = true;
    QMetaObject::invokeMethod(this, [this] { sayAnnounced(); }, Qt::QueuedConnection);
}

void ClassGrid::sayAnnounced()
{
    m_announcePosted = false;
    const QString words = (m_toAnnounce + m_warningsToAnnounce).join(QLatin1Char(' '));
    m_toAnnounce.clear();
    m_warningsToAnnounce.clear();
    if (!hasFocus() || words.isEmpty())
        return;
    notify(this, words);
}

// --- pointer ---------------------------------------------------------------------------------

void ClassGrid::setPointer(Pointer pointer)
{
    m_pointer = pointer;
    switch (pointer) {
    case Pointer::Arrow: viewport()->setCursor(Qt::ArrowCursor); break;
    case Pointer::DiagonalSizing: viewport()->setCursor(Qt::SizeBDiagCursor); break;
    case Pointer::Custom: viewport()->setCursor(m_customCursor); break;
    }
}

void ClassGrid::setCustomPointer(const QCursor& cursor)
{
    m_customCursor = cursor;
    if (m_pointer == Pointer::Custom)
        viewport()->setCursor(cursor);
}

// --- keyboard and mouse ----------------------------------------------------------------------

void ClassGrid::keyPressEvent(QKeyEvent* event)
{
    const bool hasScrollingCells = rows() > m_fixedRows;
    auto visibleCol = [this](int from, int step) {
        for (int col = from; col >= m_fixedCols && col < m_cols; col += step) {
            if (widthPixels(col) > 0)
                return col;
        }
        return -1;
    };
    const int row = std::max(m_row, m_fixedRows);
    // Up and Down keep the column, unless it is hidden (the view changed under the current cell):
    // then they go to the next column on show.
    const int shownCol = widthPixels(m_col) > 0 ? m_col : std::max(visibleCol(m_col, 1), visibleCol(m_col, -1));
    const int col = m_col < m_fixedCols ? visibleCol(m_fixedCols, 1) : shownCol;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int toRow = -1;
    int toCol = -1;
    switch (event->key()) {
    case Qt::Key_Up: toRow = std::max(m_fixedRows, m_row - 1); toCol = col; break;
    case Qt::Key_Down: toRow = std::min(rows() - 1, row + (m_row < m_fixedRows ? 0 : 1)); toCol = col; break;
    case Qt::Key_PageUp: toRow = std::max(m_fixedRows, m_row - fullyVisibleRows()); toCol = col; break;
    case Qt::Key_PageDown: toRow = std::min(rows() - 1, row + fullyVisibleRows()); toCol = col; break;
    case Qt::Key_Left:
        toRow = row;
        toCol = m_col <= m_fixedCols ? col : visibleCol(m_col - 1, -1);
        break;
    case Qt::Key_Right:
        toRow = row;
        toCol = m_col < m_fixedCols ? col : visibleCol(m_col + 1, 1);
        break;
    case Qt::Key_Home:
        toRow = ctrl ? m_fixedRows : row;
        toCol = visibleCol(m_fixedCols, 1);
        break;
    case Qt::Key_End:
        toRow = ctrl ? rows() - 1 : row;
        toCol = visibleCol(m_cols - 1, -1);
        break;
    default: {
        const QString typed = event->text();
        if (!typed.isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            emit keyPressed(static_cast<unsigned char>(toCp1252(typed.left(1)).front()));
            event->accept();
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    }
    event->accept();
    if (hasScrollingCells && toCol >= 0)
        moveByUser(toRow, toCol);
}

void ClassGrid::updateMouseCell(const QPoint& viewportPos)
{
    const QPoint pos = viewportPos + viewportOffset();
    m_mouseRow = rowAt(pos);
    m_mouseCol = colAt(pos);
}

int ClassGrid::twipsX(const QPoint& viewportPos) const
{
    return pixelsToTwipsX(viewportPos.x() + viewportOffset().x(), this);
}

int ClassGrid::twipsY(const QPoint& viewportPos) const
{
    return pixelsToTwipsY(viewportPos.y() + viewportOffset().y(), this);
}

void ClassGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    updateMouseCell(pos);
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
        setFocus(Qt::MouseFocusReason);
        moveByUser(m_mouseRow, m_mouseCol);
    }
    event->accept();
}

void ClassGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    updateMouseCell(pos);
    emit mouseReleased(buttonCode(event->button()), shiftMask(event->modifiers()), twipsX(pos), twipsY(pos));
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        emit clicked();
    }
    event->accept();
}

void ClassGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    updateMouseCell(pos);
    emit mouseMoved(buttonMask(event->buttons()), shiftMask(event->modifiers()), twipsX(pos), twipsY(pos));
    event->accept();
}

} // namespace tq::ui
