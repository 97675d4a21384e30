#include "core/selection/PhraseSearch.h"

#include "core/base/Cp1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tq {

namespace {

constexpr CategoryItem gradeStreams[] = {
    {"All", '\0'},
    {"9/10 Open", '1'},
    {"9/10 Applied", '2'},
    {"9/10 Academic", '3'},
    {"9/10 Locally Developed", '4'},
    {"11/12 Open", '5'},
    {"11/12 University", '6'},
    {"11/12 University/College", '7'},
    {"11/12 College", '8'},
    {"11/12 Workplace", '9'},
};

constexpr CategoryItem commentCategories[] = {
    {"All", '\0'}, {"Learned", '!'}, {"Strength", '^'}, {"Next Steps", '&'}, {"Evidence", '('},
};

constexpr CategoryItem learningSkills[] = {
    {"All", '\0'},          {"Responsibility", ')'},   {"Organization", '='},    {"Initiative", '+'},
    {"Collaboration", ':'}, {"Independent Work", '-'}, {"Self-Regulation", '?'},
};

// Several department names end in a space, and "Technological  Design " has two inside: the
// school's lists have always shown them so.
constexpr CategoryItem departments[] = {
    {"All", '\0'},
    {"Dance", 'A'},
    {"Drama", 'B'},
    {"Music", 'C'},
    {"Media Arts", 'D'},
    {"Visual Arts", 'E'},
    {"Business Studies ", 'F'},
    {"History", 'G'},
    {"Geography", 'H'},
    {"International Languages ", 'I'},
    {"Computer Studies ", 'J'},
    {"English ", 'K'},
    {"ESL/ELD ", 'L'},
    {"French/FSL", 'M'},
    {"Guidance and Career Education ", 'N'},
    {"Co-operative Education", 'O'},
    {"Health and Physical Education ", 'P'},
    {"Mathematics ", 'Q'},
    {"Native Languages ", 'R'},
    {"Native Studies ", 'S'},
    {"Science ", 'T'},
    {"Family Studies", 'U'},
    {"General Social Studies", 'V'},
    {"Philosophy", 'W'},
    {"World Religions", 'X'},
    {"Technological Education", 'Y'},
    {"Communications Technology", 'Z'},
    {"Computer Technology", '<'},
    {"Construction Technology", '>'},
    {"Hairstyling and Aesthetics", '{'},
    {"Health Care", '}'},
    {"Hospitality and Tourism", '['},
    {"Manufacturing Technology", ']'},
    {"Technological  Design ", '\\'},
    {"Transportation Technology", '/'},
};

std::string_view trimSpaces(std::string_view s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The marker of item `index` of `items`; nothing to filter for "All" or an index outside the list.
char markerAt(std::span<const CategoryItem> items, int index)
{
    if (index <= 0 || static_cast<size_t>(index) >= items.size())
        return '\0';
    return items[static_cast<size_t>(index)].marker;
}

bool validIndex(std::span<const CategoryItem> items, int index)
{
    return index >= 0 && static_cast<size_t>(index) < items.size();
}

// Drops every match whose trimmed text equals, case and all, that of a match kept before it.
void dropDuplicates(const PhraseLibrary& library, std::vector<int>& matches)
{
    std::vector<std::string_view> kept;
    std::erase_if(matches, [&](int i) {
        const std::string_view text = trimSpaces(library.phrases()[static_cast<size_t>(i)].text);
        if (std::find(kept.begin(), kept.end(), text) != kept.end())
            return true;
        kept.push_back(text);
        return false;
    });
}

} // namespace

std::span<const CategoryItem> gradeStreamItems() { return gradeStreams; }
std::span<const CategoryItem> commentCategoryItems() { return commentCategories; }
std::span<const CategoryItem> learningSkillItems() { return learningSkills; }
std::span<const CategoryItem> departmentItems() { return departments; }

bool validCriteria(const SearchCriteria& c)
{
    return validIndex(gradeStreamItems(), c.gradeStream) && validIndex(commentCategoryItems(), c.commentCategory) &&
           validIndex(learningSkillItems(), c.learningSkill) && validIndex(departmentItems(), c.department);
}

std::string upperCaseText(std::string_view text)
{
    std::string out(text.size(), '\0');
    std::transform(text.begin(), text.end(), out.begin(),
                   [](char c) { return cp1252Upper(c); });
    return out;
}

size_t containsNoCase(std::string_view text, std::string_view term)
{
    const size_t at = upperCaseText(text).find(upperCaseText(term));
    return at == std::string::npos ? 0 : at + 1;
}

std::string searchResultLine(const PhraseRecord& phrase)
{
    std::string line;
    line.reserve(phrase.code.size() + 1 + phrase.text.size());
    line += phrase.code;
    line += ' ';
    line += phrase.text;
    return line;
}

PhraseSearchIndex::PhraseSearchIndex(const PhraseLibrary& library) : library_(library)
{
    const std::vector<PhraseRecord>& phrases = library.phrases();
    size_t total = 0;
    for (const PhraseRecord& p : phrases)
        total += p.text.size();
    upperTexts_.reserve(total);
    starts_.reserve(phrases.size() + 1);
    for (const PhraseRecord& p : phrases) {
        starts_.push_back(upperTexts_.size());
        for (char c : p.text)
            upperTexts_.push_back(cp1252Upper(c));
    }
    starts_.push_back(upperTexts_.size());
}

bool PhraseSearchIndex::contains(size_t phrase, const std::string& upperTerm) const
{
    const std::string_view text(upperTexts_.data() + starts_[phrase], starts_[phrase + 1] - starts_[phrase]);
    return text.find(upperTerm) != std::string_view::npos;
}

std::vector<int> PhraseSearchIndex::search(const SearchCriteria& c) const
{
    const std::vector<PhraseRecord>& phrases = library_.phrases();
    const char markers[] = {markerAt(gradeStreamItems(), c.gradeStream),
                            markerAt(commentCategoryItems(), c.commentCategory),
                            markerAt(learningSkillItems(), c.learningSkill),
                            markerAt(departmentItems(), c.department)};
    const std::string a = upperCaseText(c.and1), b = upperCaseText(c.and2), orTerm = upperCaseText(c.orTerm),
                      notTerm = upperCaseText(c.notTerm);
    const bool useA = !a.empty(), useB = !b.empty(), useC = !orTerm.empty();

    std::vector<int> matches;
    matches.reserve(phrases.size());
    for (size_t i = 0; i < phrases.size(); ++i) {
        const std::string& categories = phrases[i].categories;
        if (std::any_of(std::begin(markers), std::end(markers),
                        [&](char m) { return m != '\0' && categories.find(m) == std::string::npos; }))
            continue;
        if (!notTerm.empty() && contains(i, notTerm))
            continue;
        if (useA || useB || useC) {
            // (A AND B) OR C, where a box left empty takes no part.
            const bool both = (useA || useB) && (!useA || contains(i, a)) && (!useB || contains(i, b));
            if (!both && !(useC && contains(i, orTerm)))
                continue;
        }
        matches.push_back(static_cast<int>(i));
    }
    if (c.hideDuplicates && matches.size() >= duplicateFilterMin && matches.size() <= duplicateFilterMax)
        dropDuplicates(library_, matches);
    return matches;
}

std::vector<int> searchPhrases(const PhraseLibrary& library, const SearchCriteria& criteria)
{
    return PhraseSearchIndex(library).search(criteria);
}

std::string commentsFoundText(size_t count)
{
    if (count == 0)
        return "No comments found";
    return std::to_string(count) + (count == 1 ? " comment found" : " comments found");
}

} // namespace tq
