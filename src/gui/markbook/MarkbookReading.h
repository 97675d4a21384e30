#pragma once
// Reads a markbook file on a thread of its own, so that a large file never stops the window:
// `done` comes back on the window's thread with what the reader gave, and with the sheet and
// columns proposed and the plan made on the same thread.
#include "core/markbook/ImportPlan.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tq {

struct MarkbookOpened {
    SheetReadResult read;
    int sheet = 0;         // the sheet naming the most students
    MarkbookChoice choice; // for that sheet
    ImportPlan plan;
};

class MarkbookReading : public QObject {
    Q_OBJECT

public:
    explicit MarkbookReading(QObject* parent = nullptr);
    ~MarkbookReading() override;

    // The class and ranges are copied: the thread never reads the window's own.
    void start(const QString& path, const ClassList& students, const std::vector<InitialValueRange>* ranges);
    bool running() const;

signals:
    void done(std::shared_ptr<const tq::MarkbookOpened> opened);

private:
    class QThread* thread_ = nullptr;
};

} // namespace tq
