#pragma once
// The text of a class grid cell as the program keeps text: Windows-1252 bytes.
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"

#include <string>

namespace tq {

inline std::string cellBytes(const ui::ClassGrid& grid, int row, int col)
{
    return ui::toCp1252(grid.text(row, col));
}

inline void setCellBytes(ui::ClassGrid& grid, int row, int col, const std::string& bytes)
{
    grid.setText(row, col, ui::fromCp1252(bytes));
}

} // namespace tq
