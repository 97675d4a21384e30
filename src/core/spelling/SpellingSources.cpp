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
    return setup.teacherWordsFile.empty() || tq::addTeacherWord(setup.teacherWordsFile, word);
}

CommentChecker SpellingSources::checkerFor(const PhraseLibrary& library, const ClassList& students)
{
    return CommentChecker::forClass(dictionary(), library, students, teacherWords());
}

namespace {
// The Debian package of a dictionary: "hunspell-en-ca" for en_CA.
std::string dictionaryPackage(const std::string& name)
{
    std::string package = "hunspell-" + name;
    std::transform(package.begin(), package.end(), package.begin(), [](char c) { return c == '_' ? '-' : cp1252Lower(c); });
    return package;
}
} // namespace

std::string spellingOffNotice(const SpellingSetup& setup)
{
    const std::string hint =
        isDictionaryName(setup.dictionaryName) ? " (package " + dictionaryPackage(setup.dictionaryName) + ")" : "";
    return "Spelling is not checked: the " + setup.dictionaryName + " dictionary is not installed" + hint + ".";
}

Message dictionaryMissingMessage(const SpellingSetup& setup)
{
    return Message{"TQ22: " + spellingOffNotice(setup) + " Dictionaries are looked for in " + setup.dictionaryFolder + "."};
}

Message teacherWordNotSavedMessage(std::string_view word, const SpellingSetup& setup)
{
    return Message{"\"" + std::string(word) + "\" could not be added to your word list " + utf8ToCp1252(setup.teacherWordsFile) +
                       ". It is taken as a word until Tallyquill closes.",
                   programTitle, Message::Icon::Exclamation};
}

} // namespace tq
