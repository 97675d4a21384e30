#include "gui/widgets/CurrentItem.h"

#include "gui/widgets/EventHook.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFocusEvent>
#include <QPointer>

namespace tq::ui {

namespace {
// The first row's first item, or nothing for an empty view.
QModelIndex firstItem(const QAbstractItemView& view)
{
    const QAbstractItemModel* model = view.model();
    return model && model->rowCount(view.rootIndex()) > 0 ? model->index(0, 0, view.rootIndex()) : QModelIndex();
}
} // namespace

void announceCurrentItem(QAbstractItemView& view)
{
    const QModelIndex current = view.currentIndex();
    if (!QAccessible::isActive() || !view.hasFocus() || !current.isValid())
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface* item = table ? table->cellAt(current.row(), current.column()) : nullptr;
    const int child = item ? list->indexOfChild(item) : -1;
    if (child < 0)
        return;
    QAccessibleEvent event(&view, QAccessible::Focus);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void keepCurrentItem(QAbstractItemView& view)
{
    QPointer<QAbstractItemView> watched(&view);
    onEvent(&view, QEvent::FocusIn, [watched](QEvent* event) {
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            return; // the click chooses the item itself
        if (!watched->currentIndex().isValid())
            if (const QModelIndex first = firstItem(*watched); first.isValid())
                watched->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        // Said after the list itself, which the screen reader is told of once the focus has moved.
        QMetaObject::invokeMethod(
            watched.data(), [watched] {
                if (watched)
                    announceCurrentItem(*watched);
            },
            Qt::QueuedConnection);
    });
}

} // namespace tq::ui
