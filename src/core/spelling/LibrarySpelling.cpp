#include "core/spelling/LibrarySpelling.h"

namespace tq {

std::vector<LibraryFinding> unknownLibraryWords(const PhraseLibrary& library, CommentChecker& checker)
{
    std::vector<LibraryFinding> found;
    for (const PhraseRecord& phrase : library.phrases())
        for (CommentFinding& f : distinctFindings(checker.spellingFindings(phrase.text)))
            found.push_back({phrase.code, std::move(f)});
    return found;
}

} // namespace tq
