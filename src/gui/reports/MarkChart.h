#pragma once
// The Class Summary's chart on screen (see MarkChartPainter.h), in the window's own colours. It
// takes the keyboard focus, so that a screen reader can read its counts out.
#include "core/reports/ClassSummary.h"

#include <QWidget>

namespace tq::ui {

class MarkChart : public QWidget {
    Q_OBJECT
public:
    explicit MarkChart(QWidget* parent = nullptr);

    // Repaints only when the chart changes.
    void setMarks(const MarkDistribution& marks);
    const MarkDistribution& marks() const { return marks_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MarkDistribution marks_;
};

} // namespace tq::ui
