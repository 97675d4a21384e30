#include "gui/entry/CaretFindingSpeech.h"

namespace tq {

QString CaretFindingSpeech::words(const QString& text, const std::vector<CommentFinding>& findings, size_t place)
{
    const CommentFinding* found = findingAt(findings, place);
    if (!found)
        return {};
    return text.mid(static_cast<qsizetype>(found->where.offset), static_cast<qsizetype>(found->where.length)) +
           QStringLiteral(", ") + QString::fromLatin1(findingDescription(found->kind));
}

QString CaretFindingSpeech::moved(const QString& text, const std::vector<CommentFinding>& findings, size_t place,
                                  bool typed)
{
    const CommentFinding* found = findingAt(findings, place);
    const std::optional<size_t> on = found ? std::optional(found->where.offset) : std::nullopt;
    const bool landed = !typed && on && on != on_;
    on_ = on;
    return landed ? words(text, findings, place) : QString();
}

} // namespace tq
