#pragma once
// The grid of the program's windows: a spreadsheet-like table of text cells with fixed heading
// rows and fixed columns at the top and left (grey, and not scrolled away), one current cell,
// per-cell colours, column widths in twips, and the notifications the windows work from.
//
// Rows and columns are numbered from 0 and include the fixed ones. The current cell can be
// put anywhere by code, fixed cells included, but never into a hidden (0 wide) column: asked
// for one, and when its column is hidden under it, it goes to the row's first column on show,
// so a key meant for the current cell never reaches a cell the teacher cannot see. The teacher
// moves it only among the cells that are neither fixed nor hidden, with a click or the keyboard.
// Every change of the current cell, whoever makes it, raises leaveCell() while currentRow()
// and currentCol() still name the old cell and then enterCell() once they name the new one;
// asking for the cell that is already current raises nothing. When the rows are removed, the
// current cell moves to row 0 even though that row may not exist; the notifications then name
// a position with no cell, which handlers can tell by rows().
//
// A screen reader reads the grid as a table (ClassGridAccessibility.h) and hears the current
// cell after every change while the grid has the keyboard, and whatever the window announces
// about it.
#include <QAbstractScrollArea>
#include <QColor>
#include <QCursor>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QScrollBar;

namespace tq::ui {

class ClassGrid : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class Pointer { Arrow, DiagonalSizing, Custom };

    // Width a column has until the program sets one.
    static constexpr int defaultColumnWidthTwips = 960;

    explicit ClassGrid(int cols, QWidget* parent = nullptr);

    // Structure. clear() empties every cell's text and colours; rows, columns, widths, fixed
    // counts and the current cell stay.
    void clear();
    int rows() const { return static_cast<int>(m_cells.size()); }
    void setRows(int rows);
    int cols() const { return m_cols; }
    void setCols(int cols);
    // Adds a row at the bottom; its cells are the tab-separated fields of `line`, missing ones
    // empty, extra ones dropped.
    void addRow(const QString& line);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int count);   // the current cell leaves the fixed rows if it can
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int count);   // likewise for the fixed columns

    // Column widths in twips, as set: a width of 0 hides the column, which keeps its cells.
    int columnWidthTwips(int col) const;
    void setColumnWidthTwips(int col, int twips);
    int firstShownCol() const; // the first column on show after the fixed ones; -1: none
    int rowHeightPixels() const { return m_rowHeight; }

    QString text(int row, int col) const;    // "" outside the grid
    // The width in twips that column `col` needs to show its widest text whole, in the grid's font.
    int widestTextTwips(int col) const;
    void setText(int row, int col, const QString& text);   // ignored outside the grid

    // Merged columns: a cell of such a column that holds the same text as the cell above it is
    // drawn as one block with it (no line between them, the text once). A cell joins the one
    // above only when its merged neighbours to the left join too, so that one student's repeated
    // identity reads as a block while two students who share a mark keep cells of their own.
    // Heading rows never join the rows below them.
    void setMergeCol(int col, bool merge);
    bool mergeCol(int col) const;
    // The first row of the block that the cell belongs to (the row itself when it joins none).
    int mergedTop(int row, int col) const;

    // The current cell. The selection is always the current cell alone, so the selected row
    // and column are the current ones.
    int currentRow() const { return m_row; }
    int currentCol() const { return m_col; }
    int selectedRow() const { return m_row; }
    int selectedCol() const { return m_col; }
    void setCurrentRow(int row);
    void setCurrentCol(int col);
    void setCurrent(int row, int col);

    // Cell colours; an invalid QColor restores the default (the palette's button colours for
    // fixed cells, its base and text colours for the others). The getters give the colours as
    // set, or the defaults. A cell given a colour of the program's own shows its text in that
    // colour made readable on its background (readableIn, ReadableColour.h), whatever the palette.
    QColor cellBackground(int row, int col) const;
    QColor cellForeground(int row, int col) const;
    void setCellBackground(int row, int col, const QColor& color);
    void setCellForeground(int row, int col, const QColor& color);
    void setCurrentCellBackground(const QColor& color) { setCellBackground(m_row, m_col, color); }
    void setCurrentCellForeground(const QColor& color) { setCellForeground(m_row, m_col, color); }
    // A row marked as a whole, the way a list marks its selected row: its fixed cells in the
    // highlight colours, the others in a light tint of the highlight, each unless it has a colour
    // of its own. -1 (the default) marks none.
    void setMarkedRow(int row);
    int markedRow() const { return m_markedRow; }
    // The area of the grid that holds no cells (right of the last column, below the last row).
    QColor backgroundOutsideCells() const { return m_outside; }
    void setBackgroundOutsideCells(const QColor& color);

    // Geometry, in pixels in this widget's own coordinates. rowAt/colAt give -1 where there is
    // no cell; cellRect gives an empty rectangle for a hidden or scrolled-away cell.
    int rowAt(const QPoint& pos) const;
    int colAt(const QPoint& pos) const;
    QRect cellRect(int row, int col) const;
    QRect currentCellRect() const { return cellRect(m_row, m_col); }
    // The cell under the mouse at its latest move, press or release over the grid (-1: none).
    int mouseRow() const { return m_mouseRow; }
    int mouseCol() const { return m_mouseCol; }

    // Scrolling: the first non-fixed row and column on show.
    int topRow() const;
    int leftCol() const;
    void setTopRow(int row);
    void setLeftCol(int col);

    // What a row is called when a screen reader is told about it ("Ahmed Nadia"); by default the
    // texts of its fixed cells.
    void setRowNamer(std::function<QString(int row)> namer) { m_rowNamer = std::move(namer); }
    QString rowName(int row) const;
    // A screen reader is told the current cell `row` has the keyboard (ClassGridAccessibility).
    void noteRowSaid(int row);
    // True when the current cell is on `row` and the cell said before it was on the same rows of
    // merged fixed cells (a student's comment wrapped over several lines): the row's name was
    // said already and is not said again.
    bool rowNameSaidBefore(int row) const;
    // What a screen reader is told of a cell while the grid holds nothing to read (no student
    // and no heading there): "No class is open" rather than an empty cell of nobody.
    void setEmptyWords(const QString& words) { m_emptyWords = words; }
    const QString& emptyWords() const { return m_emptyWords; }

    // Tells a screen reader `words` about the current cell once the event that led to them is
    // done, after the move to a new cell has been said (ScreenReaderAnnouncement.h). Words
    // announced during one event are said together, warnings after the rest. Nothing is said
    // unless the grid has the keyboard by then.
    void announce(const QString& words, bool warning = false);
    // Says the current cell and its student, as arriving in the grid by Tab does.
    void sayCurrentCell();

    Pointer pointer() const { return m_pointer; }
    void setPointer(Pointer pointer);
    // The picture shown for Pointer::Custom.
    void setCustomPointer(const QCursor& cursor);
    QCursor customPointer() const { return m_customCursor; }

signals:
    // Positions are in twips from the grid's top left corner. Buttons: 1 left, 2 right,
    // 4 middle (a mask for moves); shift: 1 Shift, 2 Ctrl, 4 Alt.
    void mouseMoved(int buttons, int shift, int x, int y);
    void mouseReleased(int button, int shift, int x, int y);
    // A left click, raised after mouseReleased.
    void clicked();
    // A key that types a character, with its code in the program's code page (13 for Enter).
    void keyPressed(int charCode);
    void leaveCell();
    void enterCell();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Focus changes only the current cell's frame, so focus moving to the mark box and back
    // repaints that cell alone (by default the whole widget, scroll bars included, is repainted).
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Cell {
        QString text;
        QColor background;   // invalid: default
        QColor foreground;
    };
    using Row = std::vector<Cell>;

    bool isCell(int row, int col) const { return row >= 0 && row < rows() && col >= 0 && col < m_cols; }
    QColor shownForeground(int row, int col) const;
    void updateCell(int row, int col); // repaints the one cell
    int widthPixels(int col) const;
    bool joinsAbove(int row, int col) const;
    int fixedWidth() const;
    int fixedHeight() const { return m_fixedRows * m_rowHeight; }
    int fullyVisibleRows() const;
    // Left edge / top edge of a cell in viewport coordinates, or -1 when scrolled away.
    int columnLeft(int col) const;
    int rowTop(int row) const;
    QPoint viewportOffset() const;

    // Makes the current cell (row, col), clamped into the grid, raising the notifications
    // around `apply`, which changes the structure (or nothing) in between.
    void relocate(int row, int col, const std::function<void()>& apply = {});
    void moveByUser(int row, int col);
    void ensureVisible(int row, int col);
    void scheduleLayout();
    void ensureLayout() const;
    void updateScrollBars();
    static void setScrollBarSteps(QScrollBar* bar, int maximum, int pageStep);
    void updateMouseCell(const QPoint& viewportPos);
    void sayAnnounced();
    int twipsX(const QPoint& viewportPos) const;
    int twipsY(const QPoint& viewportPos) const;

    std::vector<Row> m_cells;
    int m_cols = 0;
    std::vector<int> m_widthTwips;
    std::vector<bool> m_mergeCols;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    int m_row = 0;
    int m_col = 0;
    int m_markedRow = -1;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    int m_rowHeight = 16;
    QColor m_outside;
    Pointer m_pointer = Pointer::Arrow;
    QCursor m_customCursor{Qt::CrossCursor};
    bool m_leftPressed = false;
    std::function<QString(int)> m_rowNamer;
    int m_saidRow = -1;       // the row of the cell a screen reader was last told of,
    int m_saidBeforeRow = -1; // and of the one before it
    QString m_emptyWords;
    QStringList m_toAnnounce;       // said at the end of the event: changes first,
    QStringList m_warningsToAnnounce; // then warnings
    bool m_announcePosted = false;
    mutable bool m_layoutDirty = true;
    bool m_layoutPosted = false;
    bool m_inLayout = false;
};

} // namespace tq::ui
