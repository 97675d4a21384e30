#include "core/initialvalues/RangeDetails.h"

#include "core/classdata/CsvText.h"
#include "core/entry/ReadingLines.h"
#include "core/phrases/Composition.h"

namespace tq {

std::array<std::string, 3> rangeDetailLines(const InitialValueRange& range, const PhraseLibrary& library)
{
    const auto comment = [&](int k) {
        const std::string& code = range.rangeComment(k);
        return padRight(code + " " + phraseShownFor(library, code), rangeCommentWidth);
    };
    std::string ratings;
    for (const std::string& rating : range.rangeSkills)
        ratings += "  " + rating;
    return {
        padRight("Range", 8) + comment(1) + "Learning Skills",
        padRight(std::to_string(range.lowMark) + "-" + std::to_string(range.highMark), 8) + comment(2) +
            " RE OR IW CO IN SR",
        std::string(8, ' ') + comment(3) + ratings,
    };
}

std::vector<std::string> rangeReadingLines(const InitialValueRange& range, const PhraseLibrary& library)
{
    std::vector<std::string> lines{"Range: " + std::to_string(range.lowMark) + " to " + std::to_string(range.highMark)};
    for (int k = 1; k <= 3; ++k) {
        const std::string& code = range.rangeComment(k);
        lines.push_back("Comment " + std::to_string(k) + ": " +
                        (trimSpaces(code).empty() ? std::string("none")
                                                  : std::string(trimSpaces(code + " " + std::string(lookupPhrase(library, code))))));
    }
    lines.push_back(learningSkillsLine(range.rangeSkills));
    return lines;
}

} // namespace tq
