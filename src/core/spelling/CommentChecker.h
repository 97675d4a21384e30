#pragma once
// The checks of a free-form comment, for one class: its spelling against the dictionary and the
// accepted words, the names of the class's other students, and the pronouns that do not fit the
// student. Nothing here stops a comment; the findings are for the teacher to look at.
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/spelling/AcceptedWords.h"
#include "core/spelling/ClassFirstNames.h"
#include "core/spelling/CommentFinding.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tq {

class SpellDictionary;

class CommentChecker {
public:
    // Without a dictionary the spelling is not checked; names and pronouns still are. The
    // dictionary must outlive the checker.
    CommentChecker(const SpellDictionary* dictionary, AcceptedWords accepted, const ClassList& students);

    // The checker of a class: accepted are the words of the phrase library, the names of the
    // class's students and the teacher's own words.
    static CommentChecker forClass(const SpellDictionary* dictionary, const PhraseLibrary& library,
                                   const ClassList& students, const std::vector<std::string>& teacherWords);

    bool checksSpelling() const { return dictionary_ != nullptr; }

    // True when the spelling check takes the word: an accepted word (also with a possessive
    // "'s"), a word the dictionary knows, a hyphenated word whose every part is taken, or a word
    // with a digit in it ("2nd", "10A"), which is not checked.
    bool knows(std::string_view word);

    // The words of `text` the spelling check does not take, in order.
    std::vector<CommentFinding> spellingFindings(std::string_view text);

    // Everything found in `student`'s comment `text`, in the order of the text.
    std::vector<CommentFinding> findings(std::string_view text, const StudentRecord& student);

    // At most `most` of the dictionary's suggestions for a word (none without a dictionary).
    std::vector<std::string> suggestions(std::string_view word, size_t most) const;

    // Takes a word from now on (the teacher has added it to their words).
    void accept(std::string_view word);

private:
    bool knowsWhole(const std::string& word);
    std::vector<CommentFinding> spellingFindings(std::string_view text, const std::vector<WordSpan>& words);

    const SpellDictionary* dictionary_;
    AcceptedWords accepted_;
    ClassFirstNames firstNames_;
    // The dictionary's answers so far: a comment is checked again at every key, and the same
    // words come back in comment after comment.
    std::unordered_map<std::string, bool> dictionaryKnows_;
};

} // namespace tq
