#include "gui/markbook/MarkbookReading.h"

#include "core/markbook/MarkbookFile.h"

#include <QThread>

namespace tq {

MarkbookReading::MarkbookReading(QObject* parent) : QObject(parent) {}

MarkbookReading::~MarkbookReading()
{
    // The reader cannot be interrupted; a window closed meanwhile waits for it (it only reads).
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
}

void MarkbookReading::start(const QString& path)
{
    auto result = std::make_shared<SheetReadResult>();
    thread_ = QThread::create([result, file = path.toStdString()] { *result = readMarkbookFile(file); });
    connect(thread_, &QThread::finished, this, [this, result] {
        thread_->deleteLater();
        thread_ = nullptr;
        emit done(result);
    });
    thread_->start();
}

bool MarkbookReading::running() const { return thread_ != nullptr; }

} // namespace tq
