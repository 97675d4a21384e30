#include "core/phrases/PhraseLibraryCheck.h"

#include "core/phrases/PhraseLibrary.h"

#include <unordered_map>

namespace tq {

std::vector<std::string> phraseOrderProblems(const std::vector<std::string>& lines)
{
    std::vector<std::string> problems;
    std::unordered_map<std::string, size_t> firstLine; // code -> file line of its first use
    std::string previous;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (isSkippedPhraseLine(lines[i]))
            continue;
        const std::optional<PhraseRecord> phrase = splitPhraseLine(lines[i]);
        if (!phrase)
            continue;
        const std::string where = "Line " + std::to_string(i + 1) + ": code " + phrase->code;
        const auto [first, isNew] = firstLine.emplace(phrase->code, i + 1);
        if (!isNew)
            problems.push_back(where + " is a duplicate of line " + std::to_string(first->second) + ".");
        else if (!previous.empty() && phrase->code < previous)
            problems.push_back(where + " is out of ascending order after code " + previous +
                               " and may not be found.");
        previous = phrase->code;
    }
    return problems;
}

} // namespace tq
