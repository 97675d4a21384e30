#pragma once
// What the main window's class grid shows: its 19 columns, their headings and widths, and the
// text of each student's row.
#include "core/classdata/StudentRecord.h"

#include <array>
#include <span>
#include <string>

namespace tq {

inline constexpr int gridColumnCount = 19;
inline constexpr int markColumn = 3;
inline constexpr int firstCommentColumn = 4;  // CM1 .. CM5 in columns 4 to 8
inline constexpr int firstSkillColumn = 9;    // R O W C I S in columns 9 to 14
inline constexpr int iepColumn = 15;
inline constexpr int eslColumn = 16;
inline constexpr int eldColumn = 17;
inline constexpr int interviewColumn = 18;
inline constexpr int fixedGridColumns = 3;

inline constexpr int commentColumnWidth = 525; // twips, comments view
inline constexpr int skillColumnWidth = 290;   // twips, skills view
// More students than this and the area outside the cells turns white.
inline constexpr int buttonFaceClassLimit = 35;

using GridRow = std::array<std::string, gridColumnCount>;

// The heading row, with its leading spaces.
const GridRow& gridHeadings();
// Width in twips of each column in the comments view.
int commentsViewColumnWidth(int column);

// The cells of one student's row.
GridRow gridRowCells(const StudentRecord& s, bool showCourseCodes);

// The five words a student with a free-form comment shows in the comment columns.
const std::array<const char*, 5>& freeFormCellWords();

// Tab-joined cells, as the grid's add-row takes them.
std::string joinTabs(std::span<const std::string> cells);

// The text of the class-size label.
std::string classSizeText(int studentCount);

} // namespace tq
