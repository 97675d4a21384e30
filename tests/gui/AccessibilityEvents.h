#pragma once
// Accessibility switched on in the test's own process, as a screen reader switches it on, and the
// events the program raises for one kept for the test, each with what its object read at the
// moment it was raised. Only one at a time.
#include <QAccessible>
#include <QPointer>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <vector>

namespace tq::test {

class AccessibilityEvents {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString name;        // the name of what the event is about
        QString description;
        int row = -1;        // a table cell's place in its table
        int column = -1;
    };

    AccessibilityEvents()
    {
        current() = this;
        platform()->setActive(true);
        previous_ = QAccessible::installUpdateHandler(&record);
    }
    ~AccessibilityEvents()
    {
        QAccessible::installUpdateHandler(previous_);
        platform()->setActive(false);
        current() = nullptr;
    }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    std::vector<Event> of(QAccessible::Event type) const
    {
        std::vector<Event> found;
        for (const Event& e : events_)
            if (e.type == type)
                found.push_back(e);
        return found;
    }
    // Every event, in the order raised.
    const std::vector<Event>& all() const { return events_; }
    void clear() { events_.clear(); }
    // Everything a screen reader was given to say, in order: each read event's name and description.
    QString said() const
    {
        QStringList words;
        for (const Event& e : events_)
            words << e.name << e.description;
        words.removeAll(QString());
        return words.join(QStringLiteral(" | "));
    }

private:
    static QPlatformAccessibility* platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }
    static AccessibilityEvents*& current()
    {
        static AccessibilityEvents* recorder = nullptr;
        return recorder;
    }

    static void record(QAccessibleEvent* event)
    {
        Event e{event->type(), event->object(), {}, {}};
        // Only what the tests look at is read: other events come from objects being made or
        // destroyed, which are not to be asked anything.
        const bool looked = e.type == QAccessible::Focus || e.type == QAccessible::Alert ||
                            e.type == QAccessible::NameChanged || e.type == QAccessible::ObjectShow;
        if (QAccessibleInterface* about = looked ? event->accessibleInterface() : nullptr) {
            e.name = about->text(QAccessible::Name);
            e.description = about->text(QAccessible::Description);
            if (QAccessibleTableCellInterface* cell = about->tableCellInterface()) {
                e.row = cell->rowIndex();
                e.column = cell->columnIndex();
            }
        }
        current()->events_.push_back(e);
    }

    QAccessible::UpdateHandler previous_ = nullptr;
    std::vector<Event> events_;
};

} // namespace tq::test
