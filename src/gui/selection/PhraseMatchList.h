#pragma once
// The result list of the phrase search: one row per phrase found, "0123 text as stored", drawn
// from the library as the rows come into sight rather than copied into the list. The library
// holds up to 10,000 phrases, and a search for everything lists them all.
#include "core/phrases/PhraseLibrary.h"

#include <QAbstractListModel>
#include <QListView>

#include <vector>

namespace tq {

namespace ui {
class UniformWidthDelegate;
}

class PhraseMatchModel final : public QAbstractListModel {
public:
    PhraseMatchModel(const PhraseLibrary& library, QObject* parent);

    // Shows the phrases at these positions in the library, in this order.
    void setMatches(std::vector<int> matches);
    const std::vector<int>& matches() const { return matches_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const PhraseLibrary& library_;
    std::vector<int> matches_;
};

class PhraseMatchList final : public QListView {
public:
    PhraseMatchList(const PhraseLibrary& library, QWidget* parent);

    // Shows the phrases found, each row as wide as the widest one.
    void showMatches(std::vector<int> matches);
    // The library position of the phrase on `row`; -1 for no row.
    int phraseAt(int row) const;

private:
    qreal rowWidth(int phrase);

    const PhraseLibrary& library_;
    PhraseMatchModel* model_;
    ui::UniformWidthDelegate* sizing_;
    // Width of each phrase's row in the list's font, measured when first shown (negative before).
    std::vector<qreal> widths_;
    QString widthsFont_;
};

} // namespace tq
