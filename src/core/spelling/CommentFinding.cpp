#include "core/spelling/CommentFinding.h"

#include <algorithm>

namespace tq {

std::string_view findingKindName(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Spelling: return "spelling";
    case FindingKind::Name: return "name";
    case FindingKind::Pronoun: return "pronoun";
    }
    return "";
}

void sortByPlace(std::vector<CommentFinding>& findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const CommentFinding& a, const CommentFinding& b) { return a.where.offset < b.where.offset; });
}

std::vector<CommentFinding> distinctFindings(const std::vector<CommentFinding>& findings)
{
    std::vector<CommentFinding> distinct;
    for (const CommentFinding& f : findings)
        if (std::none_of(distinct.begin(), distinct.end(),
                         [&f](const CommentFinding& d) { return d.kind == f.kind && d.word == f.word; }))
            distinct.push_back(f);
    return distinct;
}

} // namespace tq
