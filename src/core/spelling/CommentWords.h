#pragma once
// The words of a comment, as the spelling, name and pronoun checks see them, in the program's
// Windows-1252 text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// Where a word lies in its text.
struct WordSpan {
    size_t offset = 0;
    size_t length = 0;

    bool operator==(const WordSpan&) const = default;
};

// True for ' and for the typographic apostrophe (right single quotation mark, 0x92).
bool isApostrophe(char c);

// The words of `text`, in order: runs of letters and digits, in which an apostrophe or a hyphen
// between two of them belongs to the word ("don't", "well-organized", "Zoë's"). Any other
// character, and an apostrophe or hyphen at either end, parts words.
std::vector<WordSpan> wordsOf(std::string_view text);

// The word with every typographic apostrophe made plain, as dictionaries and word lists spell it.
std::string plainApostrophes(std::string_view word);

// The word of `words` at `place` of the text, the place just after a word included; nothing
// between words.
std::optional<WordSpan> wordAt(const std::vector<WordSpan>& words, size_t place);

// The word without a possessive ending: "Zoë's" gives "Zoë"; any other word comes back as it is.
std::string_view withoutPossessive(std::string_view word);
// The part before the first apostrophe: "he's" gives "he".
std::string_view beforeApostrophe(std::string_view word);

bool hasDigit(std::string_view word);
bool startsWithCapital(std::string_view word);
// True when the word has letters and none of them is small ("IEP", "ZOË").
bool isAllCapitals(std::string_view word);
std::string lowerCaseWord(std::string_view word);

} // namespace tq
