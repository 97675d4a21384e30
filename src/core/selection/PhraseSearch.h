#pragma once
// Finding phrases in the library for the Comment Selection window and the command line: four
// category filters, keywords combined as (A AND B) OR C, and NOT D, and the hiding of phrases
// whose text is repeated. Results always come in library order.
#include "core/phrases/PhraseLibrary.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// One item of a category list: its text as the list shows it (trailing spaces belong to it) and
// the marker a phrase's categories must hold for it; '\0' for "All", which filters nothing.
struct CategoryItem {
    const char* text;
    char marker;
};

std::span<const CategoryItem> gradeStreamItems();     // Grade/Stream
std::span<const CategoryItem> commentCategoryItems(); // Category
std::span<const CategoryItem> learningSkillItems();   // Learning Skill
std::span<const CategoryItem> departmentItems();      // Department

struct SearchCriteria {
    // Index of the chosen item in each category list; 0 is "All".
    int gradeStream = 0;
    int commentCategory = 0;
    int learningSkill = 0;
    int department = 0;
    // Keywords in the library's code page; an empty one is not used. A keyword of spaces is used
    // and matches the phrases that hold those spaces.
    std::string and1, and2, orTerm, notTerm;
    bool hideDuplicates = true;
};

// True when every list index names an item of its list.
bool validCriteria(const SearchCriteria& criteria);

// The duplicate filter works only on results of this many phrases: it compares every match
// with every match kept, which a longer result would make slow.
inline constexpr size_t duplicateFilterMin = 2;
inline constexpr size_t duplicateFilterMax = 399;

// The library made ready for searching: every phrase's text in capitals, made once, so that a
// search only looks for its keywords. Valid while the library is.
class PhraseSearchIndex {
public:
    explicit PhraseSearchIndex(const PhraseLibrary& library);

    // The positions (from 0) in the library of the phrases that meet the criteria, in library
    // order. A list index outside its list filters nothing.
    std::vector<int> search(const SearchCriteria& criteria) const;

private:
    bool contains(size_t phrase, const std::string& upperTerm) const;

    const PhraseLibrary& library_;
    std::string upperTexts_;        // every text in capitals, back to back
    std::vector<size_t> starts_;    // where phrase i's text begins; one more at the end
};

// The same for a single search.
std::vector<int> searchPhrases(const PhraseLibrary& library, const SearchCriteria& criteria);

// `text` in capitals: the letters of the Windows-1252 code page, accented ones included.
std::string upperCaseText(std::string_view text);

// The position (from 1) of `term` in `text`, letters compared without regard to case; 0 when
// absent. An empty term is found at position 1.
size_t containsNoCase(std::string_view text, std::string_view term);

// A result row: the code, one space and the phrase's text as stored (placeholders visible).
std::string searchResultLine(const PhraseRecord& phrase);

// What a search found, as the teacher is told: "5 comments found", "1 comment found",
// "No comments found".
std::string commentsFoundText(size_t count);

} // namespace tq
