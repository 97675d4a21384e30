#pragma once
// What the comment checks draw on while the program runs: the dictionary, opened once when it is
// first needed, and the teacher's own words.
#include "core/base/Message.h"
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/spelling/CommentChecker.h"
#include "core/spelling/SpellDictionary.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

struct SpellingSetup {
    std::string dictionaryFolder = systemDictionaryFolder;
    std::string dictionaryName = defaultDictionaryName; // the set-up file's Dictionary
    std::string teacherWordsFile; // empty: words the teacher adds are kept for this run only
};

class SpellingSources {
public:
    SpellingSetup setup;

    // The set-up's dictionary, opened at the first call (and again after the set-up names
    // another); null when it is not installed.
    const SpellDictionary* dictionary();

    // The teacher's words: those of the list, and those added in this run.
    std::vector<std::string> teacherWords() const;
    // Adds a word for this run and to the teacher's list (when the set-up names one). False
    // when the list could not be written; the word is still taken for this run.
    bool addTeacherWord(std::string_view word);

    // The checker of a class, with the dictionary and the teacher's words.
    CommentChecker checkerFor(const PhraseLibrary& library, const ClassList& students);

private:
    std::shared_ptr<const SpellDictionary> dictionary_;
    std::string opened_; // the folder and name last opened, found or not
    std::vector<std::string> addedWords_;
};

// The one line that says the spelling is not checked, for want of the set-up's dictionary.
std::string spellingOffNotice(const SpellingSetup& setup);
// The same, when checking the spelling is all that was asked.
Message dictionaryMissingMessage(const SpellingSetup& setup);
// The teacher's word could not be written to their list.
Message teacherWordNotSavedMessage(std::string_view word, const SpellingSetup& setup);

} // namespace tq
