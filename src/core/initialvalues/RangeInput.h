#pragma once
// Enter Ranges: the teacher types every mark range at once ("0-49 50-59 60-84 85-100"), and the
// answer becomes a new table of ranges, highest first, each with no comment codes and the
// rating its marks suggest for all six skills.
#include "core/base/Message.h"
#include "core/selection/FavouritesFile.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tq {

// One answer holds at most this many ranges.
inline constexpr size_t maxRangesPerInput = 50;

inline constexpr const char* enterRangesTitle = "Input Mark Ranges";
// The input box's four lines, joined by CR LF.
std::string enterRangesPrompt();

// The rating a new range starts with in all six skills: "4" from a low of 81 up, otherwise "1"
// up to a high of 50, "2" up to a high of 60, and "3" above.
std::string defaultRangeRating(int lowMark, int highMark);

// The ranges of the teacher's answer, sorted by their low mark, highest first, with empty
// comment codes and the default rating; or the message that refuses the whole answer. Ranges are
// separated by blanks or commas; each is read up to the next separator as low "-" high, every
// number read as far as it is a number and rounded to a whole mark (halves to the even one). The
// first range that is wrong gives TQ11 (no "-" left in the text), TQ12 (the "-" is not in this
// range) or TQ13 (a mark outside 0 to 100, or low not below high); a 51st range gives TQ20; once
// every range has been read, two that share a mark give TQ14.
std::variant<std::vector<InitialValueRange>, Message> rangesFromInput(std::string_view answer);

} // namespace tq
