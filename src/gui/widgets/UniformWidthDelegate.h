#pragma once
// A list of many long one-line entries (the favourites list holds up to a thousand phrases)
// would otherwise lay every entry out as text just to learn its size, which costs more than the
// rest of the main window put together. With this delegate every entry is given one size: the
// height of one line and the width of the widest text, worked out from the font's character
// advances. The list keeps its horizontal scroll bar and no entry is cut short.
#include <QHash>
#include <QString>
#include <QStyledItemDelegate>

#include <array>
#include <string_view>

class QListView;

namespace tq::ui {

class UniformWidthDelegate final : public QStyledItemDelegate {
public:
    // Installs itself on `list` and makes the list's entries uniform in size.
    explicit UniformWidthDelegate(QListView* list);

    // Sizes the entries for `texts`, in the list's current font; call before the texts are shown.
    void setTexts(const QStringList& texts);
    // Widens the entries, if need be, for one more text.
    void widenFor(const QString& text);

    // For a list whose texts are measured apart from it: the width of a text in the program's
    // code page, in the list's current font, and the entries sized for the widest such width.
    qreal cp1252Width(std::string_view bytes);
    void setWidestTextWidth(qreal widest);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The entry's panel as the style draws it, and its text in one pass: an entry is one line,
    // never cut, so the text needs neither measuring nor eliding first.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    qreal advance(QChar c);
    qreal textWidth(const QString& text);
    int entryWidthFor(qreal widestText) const;
    void forgetAdvancesOfAnotherFont();

    QListView* list_;
    // Advances of the characters met so far in the font below (negative: not yet measured).
    std::array<qreal, 256> latin1Advances_;
    QHash<char16_t, qreal> otherAdvances_;
    QString advancesFont_;
    int width_ = 0;
    mutable int height_ = 0; // taken from one entry when first asked
};

} // namespace tq::ui
