#include "app/CommentFindingLines.h"

#include <algorithm>
#include <map>

namespace tq {

namespace {
// The tab and suggestions that end a spelling line, asked of the dictionary once per word (it
// takes milliseconds a word, and a word copied from comment to comment comes back).
class SuggestionTails {
public:
    explicit SuggestionTails(const CommentChecker& checker) : checker_(checker) {}

    const std::string& of(const std::string& word)
    {
        const auto [tail, fresh] = tails_.try_emplace(word);
        if (!fresh)
            return tail->second;
        size_t printed = 0;
        // A suggestion of two words ("a lot") would read as two suggestions.
        for (const std::string& s : checker_.suggestions(word, 10))
            if (s.find(' ') == std::string::npos && printed < suggestionsPrinted) {
                tail->second += (printed++ == 0 ? "\t" : " ") + s;
            }
        return tail->second;
    }

private:
    const CommentChecker& checker_;
    std::map<std::string, std::string> tails_;
};

std::string findingEnd(const CommentFinding& f, SuggestionTails& tails)
{
    return f.word + (f.kind == FindingKind::Spelling ? tails.of(f.word) : std::string());
}
} // namespace

std::vector<std::string> commentFindingLines(const ClassList& students, const std::vector<StudentFinding>& findings,
                                             const CommentChecker& checker)
{
    SuggestionTails tails(checker);
    std::vector<std::string> lines;
    for (const StudentFinding& f : findings) {
        const StudentRecord& s = students[f.student];
        lines.push_back(s.lastName + ", " + s.firstName + "\t" + std::string(findingKindName(f.finding.kind)) + "\t" +
                        findingEnd(f.finding, tails));
    }
    return lines;
}

std::vector<std::string> libraryFindingLines(const std::vector<LibraryFinding>& findings, const CommentChecker& checker)
{
    SuggestionTails tails(checker);
    std::vector<std::string> lines;
    for (const LibraryFinding& f : findings)
        lines.push_back(f.code + "\t" + findingEnd(f.finding, tails));
    return lines;
}

} // namespace tq
