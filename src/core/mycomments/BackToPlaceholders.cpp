#include "core/mycomments/BackToPlaceholders.h"

#include "core/base/Cp1252.h"
#include "core/base/TrimBlanks.h"
#include "core/mycomments/FoldedWords.h"
#include "core/phrases/Composition.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {
// Words after which "her" is the object ("We thanked her for it") rather than the possessive
// ("her essays"): those that begin no noun phrase of hers.
constexpr std::array<std::string_view, 40> notANounAfterHer{
    "a",      "about", "again",  "all",   "also",  "an",    "and",   "as",    "at",     "because",
    "before", "both",  "but",    "by",    "during", "every", "for",  "from",  "how",    "if",
    "in",     "into",  "more",   "now",   "often",  "on",    "once", "or",    "since",  "so",
    "that",   "the",   "this",   "to",    "too",    "until", "very", "well",  "when",   "with",
};

// The "'s" (or "’s") of a possessive at byte `at`, as a whole word's end; its length or 0.
size_t possessiveAt(std::string_view text, size_t at)
{
    for (const std::string_view mark : {std::string_view("'s"), std::string_view("\xE2\x80\x99s")})
        if (const size_t n = wholeWordAt(text, at, mark))
            return n;
    return 0;
}

// True when a word follows the blanks at byte `at` that may begin a noun of hers.
bool nounFollows(std::string_view text, size_t at)
{
    const size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos || start == at || !isWordCharacterAt(text, start))
        return false; // the end of the text, or a mark right after "her"
    return std::none_of(notANounAfterHer.begin(), notANounAfterHer.end(),
                        [&](std::string_view small) { return wholeWordAt(text, start, small) > 0; });
}
} // namespace

std::string backToPlaceholders(std::string_view text, const StudentRecord& student)
{
    const std::string name = cp1252ToUtf8(trimBlanks(student.firstName));
    const Pronouns* p = pronounsFor(student.gender);
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        if (wordMayStartAt(text, at)) {
            if (const size_t n = wholeWordAt(text, at, name)) {
                at += n;
                const size_t possessive = possessiveAt(text, at);
                out += possessive ? '%' : '@';
                at += possessive;
                continue;
            }
            if (p) {
                const std::pair<const char*, char> words[] = {
                    {p->subject, '@'}, {p->object, '*'}, {p->possessive, '#'}, {p->child, '~'}};
                const auto found = std::find_if(std::begin(words), std::end(words),
                                                [&](const auto& w) { return wholeWordAt(text, at, w.first) > 0; });
                if (found != std::end(words)) {
                    const size_t n = wholeWordAt(text, at, found->first);
                    char placeholder = found->second;
                    // One word for the object and the possessive ("her"): the next word tells.
                    if (std::string_view(found->first) == p->object && std::string_view(p->object) == p->possessive)
                        placeholder = nounFollows(text, at + n) ? '#' : '*';
                    out += placeholder;
                    at += n;
                    continue;
                }
            }
        }
        const size_t n = characterLengthAt(text, at);
        out.append(text.substr(at, n));
        at += n;
    }
    return out;
}

} // namespace tq
