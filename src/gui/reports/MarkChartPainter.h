#pragma once
// The chart of the Class Summary, drawn the same way on the screen and on paper: a bar for each
// of the five bands of marks with its count above it, on a mark axis that gives every band the
// same width, and the mean (a solid line) and the median (a dashed line) marked on that axis.
// Lines and patterns, not colours alone, tell its parts apart, so it reads in black and white.
#include "core/reports/ClassSummary.h"

#include <QColor>
#include <QRectF>

class QPainter;
class QPalette;

namespace tq::ui {

struct ChartInk {
    QColor paper;   // behind the chart
    QColor ink;     // text, the axis, the mean and the median
    QColor barFill;
    QColor barEdge;
};

// The window's own colours (a view's base and text and its highlight), light or dark as the
// desktop has them.
ChartInk screenInk(const QPalette& palette);
// Black on white, the bars a light grey: what any printer prints.
ChartInk paperInk();

// Draws the chart into `area` in the painter's font and units.
void paintMarkChart(QPainter& painter, const QRectF& area, const MarkDistribution& marks, const ChartInk& ink);

// The words a screen reader says for the chart: each band's count, the mean and the median.
QString markChartDescription(const MarkDistribution& marks);

} // namespace tq::ui
