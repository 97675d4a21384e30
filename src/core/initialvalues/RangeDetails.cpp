#include "core/initialvalues/RangeDetails.h"

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

} // namespace tq
