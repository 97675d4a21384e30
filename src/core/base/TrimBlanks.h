#pragma once
// Text without the blanks (spaces and tabs) at either end, as a line of a hand-written file is read.
#include <string_view>

namespace tq {

inline std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace tq
