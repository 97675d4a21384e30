#include "gui/reports/MarkChart.h"

#include "gui/reports/MarkChartPainter.h"

#include "gui/widgets/FocusRing.h"

#include <QPainter>

namespace tq::ui {

MarkChart::MarkChart(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    showFocusRing(this);
    setAttribute(Qt::WA_OpaquePaintEvent); // the chart paints every pixel of itself
    setAccessibleDescription(markChartDescription(marks_));
}

void MarkChart::setMarks(const MarkDistribution& marks)
{
    if (marks == marks_)
        return;
    marks_ = marks;
    setAccessibleDescription(markChartDescription(marks_));
    update();
}

QSize MarkChart::sizeHint() const
{
    const int line = fontMetrics().lineSpacing();
    return {line * 34, line * 15};
}

QSize MarkChart::minimumSizeHint() const
{
    const int line = fontMetrics().lineSpacing();
    return {line * 24, line * 10};
}

void MarkChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintMarkChart(painter, rect(), marks_, screenInk(palette()));
}

} // namespace tq::ui
