#pragma once
// A spreadsheet's stored number as the readers give it: the shortest decimal text that is that
// same number ("87.5", "92", "0.000125"; never "87.500000" or "8.75E1"), without the cell's format.
#include <string>
#include <string_view>

namespace tq {

// `stored` as a spreadsheet keeps it in its file ("87.5", "8.75E1", "86.666666666666671"), in its
// shortest text; a text that is not a number is given back as it is.
std::string numberText(std::string_view stored);

// A number shown as a percentage (stored 0.875 for 87.5 %), as the teacher sees it: "87.5%".
std::string percentText(std::string_view stored);

} // namespace tq
