#pragma once
// A mark that comes from outside the mark box (a markbook file, the clipboard, the command line):
// what it becomes as a stored mark, or why it is refused. The same rule serves every way in.
#include <string>
#include <string_view>

namespace tq {

struct OutsideMark {
    enum class Kind { Mark, Empty, Refused };
    Kind kind = Kind::Empty;
    std::string mark;   // the mark to store: a whole number 0 to 100, or "I"
    std::string shown;  // what the preview shows: "88", or "87.5 → 88" when it was rounded (UTF-8)
    std::string reason; // why it was refused

    bool accepted() const { return kind == Kind::Mark; }
};

// One cell: a whole number 0-100 stays; a decimal (point or comma) rounds half up, but a comma
// followed by exactly three digits ("1,000", "87,500") is refused as ambiguous; a trailing
// "%" and surrounding blanks are dropped; "I" or "i" is "I"; an empty cell is Empty; anything
// else (negative, above 100 once rounded, a letter grade, other text) is Refused.
OutsideMark readOutsideMark(std::string_view cell);

// A learning platform's "... Numerator" / "... Denominator" pair: numerator / denominator x 100,
// rounded half up. Empty when the numerator is empty.
OutsideMark readFractionMark(std::string_view numerator, std::string_view denominator);

} // namespace tq
