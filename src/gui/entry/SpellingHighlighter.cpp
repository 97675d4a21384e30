#include "gui/entry/SpellingHighlighter.h"

#include "core/spelling/CommentChecker.h"
#include "gui/widgets/Codepage.h"

namespace tq {

SpellingHighlighter::SpellingHighlighter(QTextDocument* document, CommentChecker& checker)
    : QSyntaxHighlighter(document), checker_(checker)
{
}

void SpellingHighlighter::highlightBlock(const QString& text)
{
    QTextCharFormat unknown;
    unknown.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    unknown.setUnderlineColor(Qt::red);
    for (const CommentFinding& f : checker_.spellingFindings(ui::toCp1252Units(text)))
        setFormat(static_cast<int>(f.where.offset), static_cast<int>(f.where.length), unknown);
}

} // namespace tq
