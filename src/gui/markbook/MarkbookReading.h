#pragma once
// Reads a markbook file on a thread of its own, so that a large file never stops the window:
// `done` comes back on the window's thread with what the reader gave.
#include "core/markbook/SheetTable.h"

#include <QObject>
#include <QString>

#include <memory>

namespace tq {

class MarkbookReading : public QObject {
    Q_OBJECT

public:
    explicit MarkbookReading(QObject* parent = nullptr);
    ~MarkbookReading() override;

    void start(const QString& path);
    bool running() const;

signals:
    void done(std::shared_ptr<const tq::SheetReadResult> result);

private:
    class QThread* thread_ = nullptr;
};

} // namespace tq
