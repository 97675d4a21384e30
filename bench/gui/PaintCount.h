#pragma once
// Counts the paints of a widget, to make sure that what a benchmark measures includes them.
#include <QObject>

#include <benchmark/benchmark.h>

class QAbstractItemView;
class QWidget;

namespace tq::bench {

class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget& widget);
    // An item view's rows: the paints of its viewport.
    explicit PaintCount(QAbstractItemView& view);
    ~PaintCount() override;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override;

private:
    QWidget& widget_;
};

// Ends the benchmark with an error unless the widget was painted once an iteration at least.
void requirePaints(benchmark::State& state, const PaintCount& count);

} // namespace tq::bench
