#include "core/spelling/CommentWords.h"

#include "core/base/Cp1252.h"

#include <algorithm>

namespace tq {

namespace {
constexpr char typographicApostrophe = '\x92';

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordCharacter(char c) { return isCp1252Letter(c) || isDigit(c); }
bool isJoiner(char c) { return isApostrophe(c) || c == '-'; }
} // namespace

bool isApostrophe(char c) { return c == '\'' || c == typographicApostrophe; }

std::vector<WordSpan> wordsOf(std::string_view text)
{
    std::vector<WordSpan> words;
    size_t i = 0;
    while (i < text.size()) {
        if (!isWordCharacter(text[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < text.size() &&
               (isWordCharacter(text[i]) ||
                (isJoiner(text[i]) && i + 1 < text.size() && isWordCharacter(text[i + 1]) && isWordCharacter(text[i - 1]))))
            ++i;
        words.push_back({start, i - start});
    }
    return words;
}

std::optional<WordSpan> wordAt(const std::vector<WordSpan>& words, size_t place)
{
    for (const WordSpan& w : words)
        if (w.offset <= place && place <= w.offset + w.length)
            return w;
    return std::nullopt;
}

std::string plainApostrophes(std::string_view word)
{
    std::string plain(word);
    std::replace(plain.begin(), plain.end(), typographicApostrophe, '\'');
    return plain;
}

std::string_view withoutPossessive(std::string_view word)
{
    if (word.size() > 2 && isApostrophe(word[word.size() - 2]) && (word.back() == 's' || word.back() == 'S'))
        return word.substr(0, word.size() - 2);
    return word;
}

std::string_view beforeApostrophe(std::string_view word)
{
    const auto at = std::find_if(word.begin(), word.end(), isApostrophe);
    return word.substr(0, static_cast<size_t>(at - word.begin()));
}

bool hasDigit(std::string_view word) { return std::any_of(word.begin(), word.end(), isDigit); }

bool startsWithCapital(std::string_view word)
{
    return !word.empty() && isCp1252Letter(word[0]) && cp1252Lower(word[0]) != word[0];
}

bool isAllCapitals(std::string_view word)
{
    bool letters = false;
    for (char c : word) {
        if (cp1252Upper(c) != c)
            return false;
        letters = letters || isCp1252Letter(c);
    }
    return letters;
}

std::string lowerCaseWord(std::string_view word)
{
    std::string lower(word);
    for (char& c : lower)
        c = cp1252Lower(c);
    return lower;
}

} // namespace tq
