#include "core/spelling/AcceptedWords.h"

#include "core/base/Cp1252.h"
#include "core/spelling/CommentWords.h"

namespace tq {

void AcceptedWords::add(std::string_view word)
{
    if (!word.empty())
        words_.insert(plainApostrophes(word));
}

void AcceptedWords::addWordsOf(std::string_view text)
{
    for (const WordSpan& w : wordsOf(text))
        add(text.substr(w.offset, w.length));
}

bool AcceptedWords::accepts(std::string_view word) const
{
    std::string form = plainApostrophes(word);
    if (word.empty() || has(form))
        return true;
    if (!startsWithCapital(word))
        return false;
    form[0] = cp1252Lower(form[0]);
    if (has(form))
        return true;
    if (!isAllCapitals(word) || word.size() < 2)
        return false;
    form = lowerCaseWord(word);
    if (has(form))
        return true;
    form[0] = cp1252Upper(form[0]);
    return has(form);
}

} // namespace tq
