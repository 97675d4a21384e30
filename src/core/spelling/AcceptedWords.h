#pragma once
// Words taken as correctly spelt whatever the dictionary says: the school's phrase library, the
// names of the class's students and the teacher's own words.
#include <string>
#include <string_view>
#include <unordered_set>

namespace tq {

class AcceptedWords {
public:
    // Adds one word, as written.
    void add(std::string_view word);
    // Adds every word of a text (see wordsOf).
    void addWordsOf(std::string_view text);

    // True for a word added, and for it capitalised ("Quiz" for "quiz", at the start of a
    // sentence) or all in capitals ("QUIZ", "ZOË" for "Zoë"). A word added with a capital is not
    // accepted without it: "zoë" is not "Zoë".
    bool accepts(std::string_view word) const;

    size_t size() const { return words_.size(); }

private:
    bool has(const std::string& word) const { return words_.contains(word); }

    std::unordered_set<std::string> words_;
};

} // namespace tq
