// Comment Selection by keyboard: the File menu's commands have their usual keys; Enter on a phrase
// found copies it into the favourites as a double click does; in the favourites list Delete
// removes a row, Ctrl+Up and Ctrl+Down move it and Insert adds a separator, as the buttons beside
// it do; Escape goes back as "Back" does (or, on an open drop-down, closes the drop-down). Tab goes through the controls as they are read.
#include "gui/selection/PhraseMatchList.h"
#include "gui/selection/frmSelection.h"
#include "gui/widgets/EventHook.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/TabOrder.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace tq {

void frmSelection::connectKeys()
{
    const std::pair<QAction*, const char*> menuKeys[] = {
        {mnuNew, "Ctrl+N"}, {mnuOpen, "Ctrl+O"}, {mnuSave, "Ctrl+S"}, {mnuSaveAs, "Ctrl+Shift+S"}, {mnuPrint, "Ctrl+P"}};
    for (const auto& [action, keys] : menuKeys)
        action->setShortcut(QKeySequence(QString::fromLatin1(keys)));

    new ui::EventHook(lstComments, [this](QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        lstComments_DblClick(lstComments->currentIndex().row());
        return true;
    });

    // The list's keys act only while it has the keyboard: Delete in a keyword box deletes a letter.
    const std::pair<QKeySequence, void (frmSelection::*)()> listKeys[] = {
        {QKeySequence(Qt::Key_Delete), &frmSelection::cmdDeleteFavourite_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Up), &frmSelection::cmdUp_Click},
        {QKeySequence(Qt::CTRL | Qt::Key_Down), &frmSelection::cmdDown_Click},
        {QKeySequence(Qt::Key_Insert), &frmSelection::cmdInsertDashes_Click}};
    for (const auto& [keys, command] : listKeys) {
        auto* shortcut = new QShortcut(keys, lstFavourites, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, command = command] { (this->*command)(); });
    }
    // Escape on an open drop-down closes the drop-down alone, whether the list or the window
    // sees the key first.
    for (QComboBox* list : findChildren<QComboBox*>())
        ui::onEvent(list->view(), QEvent::Hide, [this](QEvent*) {
            dropDownClosed_ = true;
            QTimer::singleShot(0, this, [this] { dropDownClosed_ = false; });
        });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        for (QComboBox* list : findChildren<QComboBox*>())
            if (list->view()->isVisible()) {
                list->hidePopup();
                return;
            }
        if (!dropDownClosed_)
            close();
    });

    ui::setTabOrder({cmbMarkCat, cmbCommentCat, cmbLS, cmbDept, txtAnd1, txtAnd2, txtOr, txtNot, cmdSearch, chkNoDups,
                     lstComments, cmdNew, cmdOpen, cmdSave, cmdSaveAs, cmdPrint, cmdBack, lstFavourites, cmdUp, cmdDown,
                     cmdDeleteFavourite, cmdInsertDashes});
}

} // namespace tq
