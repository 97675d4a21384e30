#include "gui/entry/MyCommentsList.h"

#include "gui/widgets/EventHook.h"
#include "gui/widgets/FocusRing.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/Announcement.h"

#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

namespace tq {

namespace {
QString shownCountText(size_t shown, size_t all)
{
    if (all == 0)
        return QStringLiteral("No comments of your own yet");
    if (shown == all)
        return QStringLiteral("%1 of your comments shown").arg(all);
    return QStringLiteral("%1 of %2 of your comments shown").arg(shown).arg(all);
}
} // namespace

MyCommentsList::MyCommentsList(QWidget* parent) : QWidget(parent)
{
    lblMyComments = ui::named(new QLabel(QStringLiteral("My comments"), this), "lblMyComments");
    txtMyCommentsFilter = ui::named(new QLineEdit(this), "txtMyCommentsFilter", QStringLiteral("Filter My comments"));
    txtMyCommentsFilter->setPlaceholderText(QStringLiteral("Filter (Ctrl+F)"));
    txtMyCommentsFilter->setToolTip(QStringLiteral(
        "Type words to narrow the list (Ctrl+F); Up and Down move in it, Enter inserts the comment at the caret"));
    txtMyCommentsFilter->setClearButtonEnabled(true);
    lstMyComments = ui::named(new QListWidget(this), "lstMyComments");
    lstMyComments->setWordWrap(true);
    lstMyComments->setAlternatingRowColors(true); // a comment of several lines ends where its colour does
    lstMyComments->setUniformItemSizes(false);
    lstMyComments->setTextElideMode(Qt::ElideNone);
    lstMyComments->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstMyComments->setContextMenuPolicy(Qt::DefaultContextMenu);
    lstMyComments->setToolTip(QStringLiteral(
        "Enter or a double click inserts the comment at the caret, F2 edits it, Delete deletes it"));
    ui::captionControl(lblMyComments, lstMyComments);
    ui::showFocusRing(lstMyComments);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(lblMyComments);
    layout->addWidget(txtMyCommentsFilter);
    layout->addWidget(lstMyComments, 1);

    connect(txtMyCommentsFilter, &QLineEdit::textEdited, this, [this] { applyFilter(true); });
    // A double click, never the single click some desktops take for activation; Enter is a key.
    connect(lstMyComments, &QListWidget::itemDoubleClicked, this, [this] {
        if (const ShownMyComment* c = current())
            emit insertRequested(*c);
    });
    new ui::EventHook(txtMyCommentsFilter, [this](QEvent* event) { return takeKey(event, true); });
    new ui::EventHook(lstMyComments, [this](QEvent* event) { return takeKey(event, false); });
    applyFilter(false);
    new ui::EventHook(lstMyComments->viewport(), [this](QEvent* event) {
        if (event->type() != QEvent::ContextMenu)
            return false;
        showMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    });
}

bool MyCommentsList::takeKey(QEvent* event, bool inFilter)
{
    if (event->type() == QEvent::FocusIn) {
        emit reached();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const ShownMyComment* c = current();
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!inFilter)
            return false;
        QCoreApplication::sendEvent(lstMyComments, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (c)
            emit insertRequested(*c);
        return true;
    case Qt::Key_F2:
        if (c)
            emit editRequested(*c);
        return c != nullptr;
    case Qt::Key_Delete:
        if (inFilter || !c)
            return false;
        emit deleteRequested(*c);
        return true;
    default: break;
    }
    // The menu key, or Shift+F10: the list's menu at its current line.
    const bool menuKey =
        key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    if (!menuKey || inFilter)
        return false;
    const QRect line = lstMyComments->visualItemRect(lstMyComments->currentItem());
    showMenu(lstMyComments->viewport()->mapToGlobal(line.center()));
    return true;
}

void MyCommentsList::showMenu(const QPoint& globalPos)
{
    const ShownMyComment* c = current();
    if (!c)
        return;
    const ShownMyComment chosen = *c;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuMyComment"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("&Insert\tEnter"), this, [this, chosen] { emit insertRequested(chosen); });
    menu->addAction(QStringLiteral("&Edit…\tF2"), this, [this, chosen] { emit editRequested(chosen); });
    menu->addAction(QStringLiteral("&Delete…\tDelete"), this, [this, chosen] { emit deleteRequested(chosen); });
    menu->popup(globalPos);
}

void MyCommentsList::setComments(std::vector<ShownMyComment> comments)
{
    if (comments == comments_)
        return; // the list stays where the teacher left it
    comments_ = std::move(comments);
    applyFilter(false);
}

const ShownMyComment* MyCommentsList::current() const
{
    const int row = lstMyComments->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= shown_.size())
        return nullptr;
    return &comments_[shown_[static_cast<size_t>(row)]];
}

void MyCommentsList::applyFilter(bool announceCount)
{
    const QString wasCurrent = current() ? current()->kept : QString();
    const QStringList words = txtMyCommentsFilter->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    shown_.clear();
    lstMyComments->clear();
    int currentRow = 0;
    for (size_t i = 0; i < comments_.size(); ++i) {
        const ShownMyComment& c = comments_[i];
        const bool fits = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return c.text.contains(w, Qt::CaseInsensitive) || c.kept.contains(w, Qt::CaseInsensitive);
        });
        if (!fits)
            continue;
        if (c.kept == wasCurrent)
            currentRow = static_cast<int>(shown_.size());
        shown_.push_back(i);
        auto* item = new QListWidgetItem(c.title, lstMyComments);
        item->setToolTip(QStringLiteral("Kept as: ") + c.kept);
    }
    if (!shown_.empty())
        lstMyComments->setCurrentRow(currentRow);
    const QString count = shownCountText(shown_.size(), comments_.size());
    txtMyCommentsFilter->setAccessibleDescription(count);
    if (announceCount)
        ui::describeChange(txtMyCommentsFilter, count);
}

} // namespace tq
