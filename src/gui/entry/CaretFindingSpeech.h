#pragma once
// What a screen reader hears of the word under the caret of a free-form comment: the word with
// its finding ("wrtes, misspelt") as the caret lands on it, by the arrows, Ctrl+arrows or a
// click, also straight from one found word to the next; not while the teacher types the word,
// and not again while the caret stays on it.
#include "core/spelling/CommentFinding.h"

#include <QString>

#include <optional>
#include <vector>

namespace tq {

class CaretFindingSpeech {
public:
    // The finding of the word at `place` in `text`, as "wrtes, misspelt", or empty.
    static QString words(const QString& text, const std::vector<CommentFinding>& findings, size_t place);

    // The words to say now that the caret is at `place`: empty unless it came onto another found
    // word than the one it was on. `typed`: the text has just been changed there, which is not
    // a landing.
    QString moved(const QString& text, const std::vector<CommentFinding>& findings, size_t place, bool typed);

private:
    std::optional<size_t> on_; // where the found word the caret is on begins
};

} // namespace tq
