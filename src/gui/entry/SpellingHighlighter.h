#pragma once
// Underlines, with the wavy red line of every editor, the words of a comment that the spelling
// check does not take, as the teacher types.
#include <QSyntaxHighlighter>

namespace tq {

class CommentChecker;

class SpellingHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    // `checker` must outlive the highlighter.
    SpellingHighlighter(QTextDocument* document, CommentChecker& checker);

protected:
    void highlightBlock(const QString& text) override;

private:
    CommentChecker& checker_;
};

} // namespace tq
