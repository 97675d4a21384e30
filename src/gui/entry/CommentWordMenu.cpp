#include "gui/entry/CommentWordMenu.h"

#include <QMenu>
#include <QPlainTextEdit>

namespace tq {

QMenu* commentWordMenu(QPlainTextEdit* edit, const QString& word, bool unknown, const QStringList& suggestions,
                       const WordMenuActions& actions)
{
    QMenu* menu = edit->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("mnuCommentWord"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (!unknown) {
        menu->setAccessibleName(QStringLiteral("Edit"));
        return menu;
    }
    menu->setAccessibleName(QStringLiteral("Spelling of %1").arg(word));
    QAction* usual = menu->actions().value(0);
    QList<QAction*> added;
    for (const QString& suggestion : suggestions) {
        auto* choose = new QAction(suggestion, menu);
        QObject::connect(choose, &QAction::triggered, menu, [replace = actions.replace, suggestion] { replace(suggestion); });
        added << choose;
    }
    if (suggestions.isEmpty()) {
        auto* none = new QAction(QStringLiteral("No suggestions"), menu);
        none->setEnabled(false);
        added << none;
    }
    auto* addWord = new QAction(QStringLiteral("Add to my words"), menu);
    addWord->setObjectName(QStringLiteral("mnuAddToMyWords"));
    QObject::connect(addWord, &QAction::triggered, menu, actions.addToMyWords);
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    added << separator << addWord;
    if (usual) {
        auto* beforeUsual = new QAction(menu);
        beforeUsual->setSeparator(true);
        added << beforeUsual;
    }
    menu->insertActions(usual, added);
    return menu;
}

} // namespace tq
