#include "core/spelling/SpellingSources.h"

#include "core/base/Cp1252.h"
#include "core/spelling/TeacherWords.h"

#include <algorithm>

namespace tq {

const SpellDictionary* SpellingSources::dictionary()
{
    const std::string wanted = setup.dictionaryFolder + "/" + setup.dictionaryName;
    if (wanted != opened_) {
        opened_ = wanted;
        dictionary_ = SpellDictionary::open(setup.dictionaryFolder, setup.dictionaryName);
    }
    return dictionary_.get();
}

std::vector<std::string> SpellingSources::teacherWords() const
{
    std::vector<std::string> words = readTeacherWords(setup.teacherWordsFile);
    words.insert(words.end(), addedWords_.begin(), addedWords_.end());
    return words;
}

bool SpellingSources::addTeacherWord(std::string_view word)
{
    if (std::find(addedWords_.begin(), addedWords_.end(), word) == addedWords_.end())
        addedWords_.emplace_back(word);
    return !setup.teacherWordsFile.empty() && tq::addTeacherWord(setup.teacherWordsFile, word);
}

CommentChecker SpellingSources::checkerFor(const PhraseLibrary& library, const ClassList& students)
{
    return CommentChecker::forClass(dictionary(), library, students, teacherWords());
}

std::string spellingOffNotice(const SpellingSetup& setup)
{
    std::string package = "hunspell-" + setup.dictionaryName;
    std::transform(package.begin(), package.end(), package.begin(),
                   [](char c) { return c == '_' ? '-' : cp1252Lower(c); });
    const std::string hint = isDictionaryName(setup.dictionaryName) ? " (package " + package + ")" : "";
    return "Spelling is not checked: the dictionary " + setup.dictionaryName + " is not installed in " +
           setup.dictionaryFolder + hint + ".";
}

Message dictionaryMissingMessage(const SpellingSetup& setup)
{
    return Message{"TQ22: " + spellingOffNotice(setup)};
}

} // namespace tq
