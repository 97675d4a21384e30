#pragma once
// The class grid as a screen reader reads it: a table whose rows are the grid's rows under its
// heading rows, whose columns are the columns on show (a hidden column, 0 wide, is no column of
// the table), whose column headers are the headings, and whose row headers are the fixed
// columns' cells of the row (the student's number and name). Each cell reads its text as the
// grid shows it, and the current cell is the focused one while the grid has the keyboard.
//
// Nothing is built until a screen reader asks: the grid's table answers from the grid's own
// cells, and a cell's object is made when it is first asked for and kept for the grid's life.
#include <QString>

namespace tq::ui {

class ClassGrid;

// Lets every ClassGrid answer as a table (done by the grid itself; once per program).
void installClassGridAccessibility();

// Tells a screen reader that the current cell is focused, when one is listening and the grid
// has the keyboard: raised on every change of the current cell and when the grid takes the focus.
void announceCurrentCell(ClassGrid& grid);
// Tells a screen reader that the current cell's text (its name) has changed; as above, only
// while the grid has the keyboard.
void announceCurrentText(ClassGrid& grid);

// What the heading rows show over a column, without the padding: "CM2".
QString columnHeading(const ClassGrid& grid, int col);
// A cell as a screen reader is told of it: its heading, its text ("empty" when it has none) and
// the name of its row, "R 2, Ahmed Nadia".
QString cellWords(const ClassGrid& grid, int row, int col);

} // namespace tq::ui
