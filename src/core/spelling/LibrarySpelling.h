#pragma once
// The school's phrase library against the dictionary, for the administrator who keeps it: a
// misspelt phrase reaches every report card that uses it.
#include "core/phrases/PhraseLibrary.h"
#include "core/spelling/CommentChecker.h"

#include <string>
#include <vector>

namespace tq {

struct LibraryFinding {
    std::string code; // the phrase's code
    CommentFinding finding;
};

// The words of each phrase the checker's spelling check does not take, phrase by phrase in the
// library's order, each word once per phrase.
std::vector<LibraryFinding> unknownLibraryWords(const PhraseLibrary& library, CommentChecker& checker);

} // namespace tq
