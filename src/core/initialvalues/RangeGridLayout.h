#pragma once
// What the ranges grid of Initial Values Setup shows: one row per range under a heading row,
// the marks in two fixed columns, then the three comment codes and the six ratings.
#include "core/selection/FavouritesFile.h"

#include <array>
#include <string>

namespace tq {

inline constexpr int rangeGridColumnCount = 11;
inline constexpr int lowColumn = 0;
inline constexpr int highColumn = 1;
inline constexpr int firstRangeCommentColumn = 2; // CM1 .. CM3 in columns 2 to 4
inline constexpr int rangeCommentCount = 3;
inline constexpr int firstRangeSkillColumn = 5;   // R O W C I S in columns 5 to 10
inline constexpr int rangeFixedColumns = 2;

using RangeGridRow = std::array<std::string, rangeGridColumnCount>;

const RangeGridRow& rangeGridHeadings();
// Width in twips of each column.
int rangeColumnWidth(int column);
// The cells of one range's row.
RangeGridRow rangeGridCells(const InitialValueRange& range);

bool isRangeCommentColumn(int column);
bool isRangeSkillColumn(int column);

// The mouse pointer over the grid, by the pointer's distance from the grid's left in twips: the
// drop pointer over the comment columns while a code is ready to place, the two-headed arrow
// over the skill columns, the ordinary arrow elsewhere.
enum class RangeGridPointer { Arrow, Drop, Rating };
RangeGridPointer rangeGridPointer(int xTwips, bool codeReady);

} // namespace tq
