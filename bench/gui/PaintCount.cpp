#include "bench/gui/PaintCount.h"

#include <QAbstractItemView>
#include <QEvent>

namespace tq::bench {

PaintCount::PaintCount(QWidget& widget) : widget_(widget) { widget_.installEventFilter(this); }

PaintCount::PaintCount(QAbstractItemView& view) : PaintCount(*view.viewport()) {}

PaintCount::~PaintCount() { widget_.removeEventFilter(this); }

bool PaintCount::eventFilter(QObject*, QEvent* event)
{
    paints += event->type() == QEvent::Paint;
    return false;
}

void requirePaints(benchmark::State& state, const PaintCount& count)
{
    if (count.paints < static_cast<int>(state.iterations()))
        state.SkipWithError("the widget was not painted after each action");
}

} // namespace tq::bench
