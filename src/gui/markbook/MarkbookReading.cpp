#include "gui/markbook/MarkbookReading.h"

#include "core/markbook/MarkbookFile.h"
#include "core/markbook/SheetChoice.h"

#include <QThread>

#include <optional>

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

void MarkbookReading::start(const QString& path, const ClassList& students,
                            const std::vector<InitialValueRange>* ranges)
{
    auto result = std::make_shared<MarkbookOpened>();
    std::optional<std::vector<InitialValueRange>> rangesCopy;
    if (ranges)
        rangesCopy = *ranges;
    thread_ = QThread::create([result, file = path.toStdString(), students, rangesCopy] {
        result->read = readMarkbookFile(file);
        if (!result->read.error.empty() || result->read.sheets.empty())
            return;
        const SheetProposal proposal = proposeSheet(result->read.sheets, students);
        result->sheet = proposal.sheet;
        result->choice = proposal.choice;
        result->plan = planImport(result->read.sheets[static_cast<size_t>(proposal.sheet)], result->choice, students,
                                  rangesCopy ? &*rangesCopy : nullptr);
    });
    connect(thread_, &QThread::finished, this, [this, result] {
        thread_->deleteLater();
        thread_ = nullptr;
        emit done(result);
    });
    thread_->start();
}

bool MarkbookReading::running() const { return thread_ != nullptr; }

} // namespace tq
