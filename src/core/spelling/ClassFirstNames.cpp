#include "core/spelling/ClassFirstNames.h"

#include <algorithm>

namespace tq {

namespace {
using NameWords = std::vector<std::string>;

NameWords nameWords(std::string_view name)
{
    NameWords words;
    for (const WordSpan& w : wordsOf(name))
        words.push_back(lowerCaseWord(name.substr(w.offset, w.length)));
    return words;
}

// The comment's word `i` as a name compares it.
std::string comparable(std::string_view text, const WordSpan& w)
{
    return lowerCaseWord(withoutPossessive(text.substr(w.offset, w.length)));
}

// True when `name` is the comment's words from `i` on.
bool nameAt(const NameWords& name, std::string_view text, const std::vector<WordSpan>& words, size_t i)
{
    if (i + name.size() > words.size())
        return false;
    for (size_t k = 1; k < name.size(); ++k)
        if (comparable(text, words[i + k]) != name[k])
            return false;
    return true;
}
} // namespace

ClassFirstNames::ClassFirstNames(const ClassList& students)
{
    for (const StudentRecord& s : students) {
        NameWords name = nameWords(s.firstName);
        if (name.empty())
            continue;
        std::vector<NameWords>& same = byFirstWord_[name.front()];
        if (std::find(same.begin(), same.end(), name) == same.end())
            same.push_back(std::move(name));
    }
}

std::vector<CommentFinding> ClassFirstNames::otherNamesIn(std::string_view text, const std::vector<WordSpan>& words,
                                                          std::string_view ownFirstName) const
{
    std::vector<CommentFinding> found;
    const NameWords own = nameWords(ownFirstName);
    for (size_t i = 0; i < words.size(); ++i) {
        if (!startsWithCapital(text.substr(words[i].offset, words[i].length)))
            continue;
        const auto candidates = byFirstWord_.find(comparable(text, words[i]));
        if (candidates == byFirstWord_.end())
            continue;
        const NameWords* longest = nullptr;
        for (const NameWords& name : candidates->second)
            if ((!longest || name.size() > longest->size()) && nameAt(name, text, words, i))
                longest = &name;
        if (!longest)
            continue;
        const size_t last = i + longest->size() - 1;
        if (*longest != own) {
            const size_t end = words[last].offset + withoutPossessive(text.substr(words[last].offset, words[last].length)).size();
            const WordSpan where{words[i].offset, end - words[i].offset};
            found.push_back({FindingKind::Name, where, std::string(text.substr(where.offset, where.length))});
        }
        i = last;
    }
    return found;
}

} // namespace tq
