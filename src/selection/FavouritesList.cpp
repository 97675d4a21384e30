#include "selection/FavouritesList.h"

#include "ui/Codepage.h"
#include "ui/UniformWidthDelegate.h"

#include <QHelpEvent>
#include <QToolTip>

namespace tq {

FavouritesList::FavouritesList(FavouritesListKind kind, QWidget* parent)
    : QListWidget(parent), kind_(kind), sizing_(new ui::UniformWidthDelegate(this))
{
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
