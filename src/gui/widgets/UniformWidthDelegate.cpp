#include "gui/widgets/UniformWidthDelegate.h"

#include "core/base/Cp1252.h"

#include <QFontMetricsF>
#include <QApplication>
#include <QListView>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace tq::ui {

UniformWidthDelegate::UniformWidthDelegate(QListView* list) : QStyledItemDelegate(list), list_(list)
{
    latin1Advances_.fill(-1);
    list->setUniformItemSizes(true);
    list->setItemDelegate(this);
}

qreal UniformWidthDelegate::advance(QChar c)
{
    const char16_t u = c.unicode();
    if (u < latin1Advances_.size() && latin1Advances_[u] >= 0)
        return latin1Advances_[u];
    const auto found = otherAdvances_.constFind(u);
    if (found != otherAdvances_.constEnd())
        return *found;
    const qreal a = QFontMetricsF(list_->font()).horizontalAdvance(c);
    if (u < latin1Advances_.size())
        latin1Advances_[u] = a;
    else
        otherAdvances_.insert(u, a);
    return a;
}

void UniformWidthDelegate::forgetAdvancesOfAnotherFont()
{
    const QFont font = list_->font();
    if (font.key() != advancesFont_) {
        latin1Advances_.fill(-1);
        otherAdvances_.clear();
        advancesFont_ = font.key();
    }
}

qreal UniformWidthDelegate::textWidth(const QString& text)
{
    qreal w = 0;
    for (const QChar c : text) {
        // Most characters are measured already: their advance is read straight from the table.
        const char16_t u = c.unicode();
        const qreal known = u < latin1Advances_.size() ? latin1Advances_[u] : -1;
        w += known >= 0 ? known : advance(c);
    }
    return w;
}

int UniformWidthDelegate::entryWidthFor(qreal widestText) const
{
    // Characters measured one by one come to the shaped line's width but for kerning, which
    // moves a few pairs by a pixel or so; one average character more covers that.
    const QFontMetricsF metrics(list_->font());
    const int margin = list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
    return static_cast<int>(std::ceil(widestText + metrics.averageCharWidth())) + 2 * margin;
}

void UniformWidthDelegate::setTexts(const QStringList& texts)
{
    forgetAdvancesOfAnotherFont();
    qreal widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, textWidth(text));
    setWidestTextWidth(widest);
}

void UniformWidthDelegate::widenFor(const QString& text)
{
    forgetAdvancesOfAnotherFont();
    width_ = std::max(width_, entryWidthFor(textWidth(text)));
}

qreal UniformWidthDelegate::cp1252Width(std::string_view bytes)
{
    forgetAdvancesOfAnotherFont();
    qreal w = 0;
    for (const char byte : bytes)
        w += advance(QChar(static_cast<char16_t>(cp1252CharOf(static_cast<unsigned char>(byte)))));
    return w;
}

void UniformWidthDelegate::setWidestTextWidth(qreal widest)
{
    width_ = entryWidthFor(widest);
    height_ = 0;
}

QSize UniformWidthDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (height_ == 0)
        height_ = QStyledItemDelegate::sizeHint(option, index).height();
    return QSize(width_, height_);
}

void UniformWidthDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    const QString text = panel.text;
    panel.text.clear();
    const QWidget* widget = panel.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &panel, painter, widget);
    const QPalette::ColorGroup group = !(panel.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (panel.state & QStyle::State_Active) ? QPalette::Normal
                                                                              : QPalette::Inactive;
    const bool selected = panel.state & QStyle::State_Selected;
    painter->save();
    painter->setFont(panel.font);
    painter->setPen(panel.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &panel, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    painter->drawText(textRect.adjusted(margin, 0, -margin, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter->restore();
}

} // namespace tq::ui
