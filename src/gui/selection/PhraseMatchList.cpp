#include "gui/selection/PhraseMatchList.h"

#include "core/selection/PhraseSearch.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/CurrentItem.h"
#include "gui/widgets/UniformWidthDelegate.h"

#include <algorithm>

namespace tq {

PhraseMatchModel::PhraseMatchModel(const PhraseLibrary& library, QObject* parent)
    : QAbstractListModel(parent), library_(library)
{
}

void PhraseMatchModel::setMatches(std::vector<int> matches)
{
    beginResetModel();
    matches_ = std::move(matches);
    endResetModel();
}

int PhraseMatchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(matches_.size());
}

QVariant PhraseMatchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const PhraseRecord& phrase = library_.phrases()[static_cast<size_t>(matches_[static_cast<size_t>(index.row())])];
    if (role == Qt::DisplayRole)
        return ui::fromCp1252(searchResultLine(phrase));
    // Rich text, so that the tooltip wraps a long phrase instead of running off the screen.
    if (role == Qt::ToolTipRole)
        return QStringLiteral("<p>") + ui::fromCp1252(searchResultLine(phrase)).toHtmlEscaped() + QStringLiteral("</p>");
    return {};
}

PhraseMatchList::PhraseMatchList(const PhraseLibrary& library, QWidget* parent)
    : QListView(parent), library_(library), model_(new PhraseMatchModel(library, this)),
      sizing_(new ui::UniformWidthDelegate(this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui::keepCurrentItem(*this);
}

qreal PhraseMatchList::rowWidth(int phrase)
{
    qreal& w = widths_[static_cast<size_t>(phrase)];
    if (w < 0) {
        const PhraseRecord& p = library_.phrases()[static_cast<size_t>(phrase)];
        w = sizing_->cp1252Width(p.code) + sizing_->cp1252Width(" ") + sizing_->cp1252Width(p.text);
    }
    return w;
}

void PhraseMatchList::showMatches(std::vector<int> matches)
{
    // A phrase's width is measured once, the first time it is found; the library never changes.
    if (widthsFont_ != font().key() || widths_.size() != library_.phraseCount()) {
        widths_.assign(library_.phraseCount(), -1);
        widthsFont_ = font().key();
    }
    qreal widest = 0;
    for (const int phrase : matches)
        widest = std::max(widest, rowWidth(phrase));
    sizing_->setWidestTextWidth(widest);
    model_->setMatches(std::move(matches));
}

int PhraseMatchList::phraseAt(int row) const
{
    const std::vector<int>& m = model_->matches();
    return row >= 0 && static_cast<size_t>(row) < m.size() ? m[static_cast<size_t>(row)] : -1;
}

} // namespace tq
