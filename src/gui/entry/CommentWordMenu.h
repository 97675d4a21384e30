#pragma once
// The menu of one word of a free-form comment: for a word the spelling check does not take, the
// dictionary's suggestions and "Add to my words", above the text box's usual actions.
#include <QStringList>

#include <functional>

class QMenu;
class QPlainTextEdit;

namespace tq {

struct WordMenuActions {
    std::function<void(const QString& suggestion)> replace; // puts a suggestion in the word's place
    std::function<void()> addToMyWords;
};

// The menu, not yet shown, deleted once it closes. `unknown` false gives the usual menu alone.
QMenu* commentWordMenu(QPlainTextEdit* edit, const QString& word, bool unknown, const QStringList& suggestions,
                       const WordMenuActions& actions);

} // namespace tq
