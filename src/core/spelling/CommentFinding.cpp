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

std::string_view findingDescription(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Spelling: return "misspelt";
    case FindingKind::Name: return "another student's name";
    case FindingKind::Pronoun: return "pronoun that does not fit";
    }
    return "";
}

const CommentFinding* findingAt(const std::vector<CommentFinding>& findings, size_t place)
{
    const auto at = std::find_if(findings.begin(), findings.end(), [place](const CommentFinding& f) {
        return place >= f.where.offset && place <= f.where.offset + f.where.length;
    });
    return at == findings.end() ? nullptr : &*at;
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
