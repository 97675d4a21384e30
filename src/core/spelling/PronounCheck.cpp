#include "core/spelling/PronounCheck.h"

#include "core/base/Cp1252.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {
constexpr std::array<std::string_view, 4> malePronouns{"he", "him", "his", "himself"};
constexpr std::array<std::string_view, 4> femalePronouns{"she", "her", "hers", "herself"};

// "F" or "M" in either case, blanks around it allowed; 0 for anything else.
char genderLetter(std::string_view gender)
{
    while (!gender.empty() && gender.front() == ' ')
        gender.remove_prefix(1);
    while (!gender.empty() && gender.back() == ' ')
        gender.remove_suffix(1);
    if (gender.size() != 1)
        return 0;
    const char g = cp1252Upper(gender[0]);
    return g == 'F' || g == 'M' ? g : 0;
}
} // namespace

std::vector<CommentFinding> unfittingPronouns(std::string_view text, const std::vector<WordSpan>& words,
                                              std::string_view gender)
{
    std::vector<CommentFinding> found;
    const char g = genderLetter(gender);
    if (!g)
        return found;
    const auto& unfitting = g == 'F' ? malePronouns : femalePronouns;
    for (const WordSpan& w : words) {
        const std::string_view word = text.substr(w.offset, w.length);
        const std::string pronoun = lowerCaseWord(beforeApostrophe(word));
        if (std::find(unfitting.begin(), unfitting.end(), pronoun) != unfitting.end())
            found.push_back({FindingKind::Pronoun, w, std::string(word)});
    }
    return found;
}

} // namespace tq
