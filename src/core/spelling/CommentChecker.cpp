#include "core/spelling/CommentChecker.h"

#include "core/base/Cp1252.h"
#include "core/spelling/PronounCheck.h"
#include "core/spelling/SpellDictionary.h"

namespace tq {

namespace {
// A name the class file holds in capitals ("JEAN-LUC"), as a comment writes it ("Jean-Luc").
std::string writtenAsAName(std::string_view name)
{
    std::string written = lowerCaseWord(name);
    for (size_t i = 0; i < written.size(); ++i)
        if (i == 0 || !isCp1252Letter(written[i - 1]))
            written[i] = cp1252Upper(written[i]);
    return written;
}
} // namespace

CommentChecker::CommentChecker(const SpellDictionary* dictionary, AcceptedWords accepted, const ClassList& students)
    : dictionary_(dictionary), accepted_(std::move(accepted)), firstNames_(students)
{
}

CommentChecker CommentChecker::forClass(const SpellDictionary* dictionary, const PhraseLibrary& library,
                                        const ClassList& students, const std::vector<std::string>& teacherWords)
{
    AcceptedWords accepted;
    for (const PhraseRecord& phrase : library.phrases())
        accepted.addWordsOf(phrase.text);
    for (const StudentRecord& s : students)
        for (const std::string* name : {&s.firstName, &s.lastName}) {
            accepted.addWordsOf(*name);
            if (isAllCapitals(*name))
                accepted.addWordsOf(writtenAsAName(*name));
        }
    for (const std::string& word : teacherWords)
        accepted.addWordsOf(word);
    return CommentChecker(dictionary, std::move(accepted), students);
}

bool CommentChecker::knowsWhole(const std::string& word)
{
    if (hasDigit(word) || accepted_.accepts(word) || accepted_.accepts(withoutPossessive(word)))
        return true;
    const auto [known, fresh] = dictionaryKnows_.try_emplace(word, false);
    if (fresh)
        known->second = dictionary_->knows(word);
    return known->second;
}

bool CommentChecker::knows(std::string_view word)
{
    if (!dictionary_)
        return true;
    const std::string plain = plainApostrophes(word);
    if (knowsWhole(plain))
        return true;
    if (plain.find('-') == std::string::npos)
        return false;
    for (size_t start = 0; start <= plain.size();) {
        const size_t end = std::min(plain.find('-', start), plain.size());
        if (!knowsWhole(plain.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

std::vector<CommentFinding> CommentChecker::spellingFindings(std::string_view text)
{
    return spellingFindings(text, wordsOf(text));
}

std::vector<CommentFinding> CommentChecker::spellingFindings(std::string_view text, const std::vector<WordSpan>& words)
{
    std::vector<CommentFinding> found;
    if (!dictionary_)
        return found;
    for (const WordSpan& w : words)
        if (const std::string_view word = text.substr(w.offset, w.length); !knows(word))
            found.push_back({FindingKind::Spelling, w, std::string(word)});
    return found;
}

std::vector<CommentFinding> CommentChecker::findings(std::string_view text, const StudentRecord& student)
{
    const std::vector<WordSpan> words = wordsOf(text);
    std::vector<CommentFinding> found = spellingFindings(text, words);
    for (std::vector<CommentFinding> more : {firstNames_.otherNamesIn(text, words, student.firstName),
                                              unfittingPronouns(text, words, student.gender)})
        found.insert(found.end(), more.begin(), more.end());
    sortByPlace(found);
    return found;
}

std::vector<std::string> CommentChecker::suggestions(std::string_view word, size_t most) const
{
    if (!dictionary_)
        return {};
    std::vector<std::string> found = dictionary_->suggestions(word);
    if (found.size() > most)
        found.resize(most);
    return found;
}

void CommentChecker::accept(std::string_view word)
{
    accepted_.add(word);
}

} // namespace tq
