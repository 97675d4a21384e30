#include "gui/widgets/FavouritesList.h"

#include "gui/widgets/Codepage.h"
#include "gui/widgets/CurrentItem.h"
#include "gui/widgets/UniformWidthDelegate.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>

namespace tq {

FavouritesList::FavouritesList(FavouritesListKind kind, QWidget* parent)
    : QListWidget(parent), kind_(kind), sizing_(new ui::UniformWidthDelegate(this))
{
    ui::keepCurrentItem(*this);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!quiet_)
            emit entryChosen();
    });
    // A click on the entry already chosen changes no selection but is a choice all the same.
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (!quiet_)
            emit entryChosen();
    });
}

void FavouritesList::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (kind_ == FavouritesListKind::Palette && enter) {
        // The item the keyboard is on is the one placed, chosen or only reached.
        if (currentItem() && !currentItem()->isSelected()) {
            quiet_ = true;
            currentItem()->setSelected(true);
            quiet_ = false;
        }
        emit placeChosen();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FavouritesList::showFavourites(const Favourites& fav, const PhraseLibrary& library)
{
    showLines(favouritesListLines(fav, library, kind_));
}

void FavouritesList::showLines(std::vector<std::string> lines)
{
    lines_ = std::move(lines);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines_.size()));
    for (const std::string& line : lines_)
        texts.push_back(ui::fromCp1252(line));
    quiet_ = true;
    clear();
    sizing_->setTexts(texts);
    addItems(texts);
    quiet_ = false;
}

std::string FavouritesList::codeAt(int row) const
{
    if (row < 0 || static_cast<size_t>(row) >= lines_.size())
        return std::string();
    return codeOfFavouritesLine(lines_[static_cast<size_t>(row)]);
}

bool FavouritesList::hasChosenEntry() const
{
    return currentRow() >= 0 && currentItem() && currentItem()->isSelected();
}

std::string FavouritesList::chosenCode() const
{
    return hasChosenEntry() ? codeAt(currentRow()) : std::string();
}

bool FavouritesList::selectRowFor(const std::string& cellText)
{
    quiet_ = true;
    const std::optional<size_t> row = favouritesLineFor(lines_, cellText);
    if (row) {
        setCurrentRow(static_cast<int>(*row));
        scrollToItem(currentItem());
    } else {
        clearSelection();
    }
    quiet_ = false;
    return row.has_value();
}

std::optional<size_t> FavouritesList::selectedRow() const
{
    if (!hasChosenEntry())
        return std::nullopt;
    return static_cast<size_t>(currentRow());
}

void FavouritesList::applyRowChange(const RowChange& change, const std::string& inserted)
{
    quiet_ = true;
    switch (change.kind) {
    case RowChange::Kind::Insert: {
        const QString text = ui::fromCp1252(inserted);
        sizing_->widenFor(text);
        insertItem(static_cast<int>(change.to), text);
        break;
    }
    case RowChange::Kind::Remove:
        delete takeItem(static_cast<int>(change.from));
        break;
    case RowChange::Kind::Move:
        insertItem(static_cast<int>(change.to), takeItem(static_cast<int>(change.from)));
        break;
    }
    tq::applyRowChange(lines_, change, inserted);
    if (change.selected) {
        setCurrentRow(static_cast<int>(*change.selected));
        scrollToItem(currentItem());
    } else {
        setCurrentRow(-1);
    }
    quiet_ = false;
}

void FavouritesList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    if (kind_ == FavouritesListKind::Entries && event->button() == Qt::LeftButton) {
        // Only the row pressed on moves: a press on the blank space below the rows moves none.
        const int pressed = indexAt(event->position().toPoint()).row();
        dragging_ = pressed >= 0;
        dragFrom_ = dragging_ ? std::optional<size_t>(static_cast<size_t>(pressed)) : std::nullopt;
    }
}

void FavouritesList::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    if (const std::optional<RowChange> step = dragChange(lines_.size(), dragFrom_, dragTargetRow(event->position().toPoint()))) {
        applyRowChange(*step);
        dragFrom_ = step->to;
    }
}

void FavouritesList::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        emit dragFinished();
    }
}

std::optional<size_t> FavouritesList::dragTargetRow(const QPoint& pos) const
{
    if (count() == 0)
        return std::nullopt;
    // Rows are found by height alone: a row is as wide as the widest text, which the pointer
    // may be to the right of.
    const auto rowAt = [this](int y) { return indexAt(QPoint(1, y)).row(); };
    const int last = count() - 1;
    if (pos.y() < 0) // above the list: the row above the top one, which scrolls into sight
        return static_cast<size_t>(std::max(rowAt(0) - 1, 0));
    const int bottom = viewport()->height() - 1;
    if (pos.y() > bottom) { // below the list: the row below the bottom one
        const int row = rowAt(bottom);
        return static_cast<size_t>(row < 0 ? last : std::min(row + 1, last));
    }
    const int row = rowAt(pos.y());
    return static_cast<size_t>(row < 0 ? last : row); // under the last row
}

bool FavouritesList::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = indexAt(help->pos()).row();
        // Separators and the "no comment" row say all they have to say.
        if (row >= 0 && !isNoPhraseCode(codeAt(row))) {
            // Rich text, so that the tooltip wraps a long phrase instead of running off the screen.
            const QString text = ui::fromCp1252(lines_[static_cast<size_t>(row)]).toHtmlEscaped();
            QToolTip::showText(help->globalPos(), QStringLiteral("<p>") + text + QStringLiteral("</p>"), viewport(),
                               visualItemRect(item(row)));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QListWidget::viewportEvent(event);
}

} // namespace tq
