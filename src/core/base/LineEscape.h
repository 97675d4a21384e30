#pragma once
// A text of any bytes kept on one line: backslash, CR and LF written as \\, \r and \n, and read
// back. Used where a value (a file path may hold a line end) must not break a line-based format.
#include <string>
#include <string_view>

namespace tq {

std::string escapedLine(std::string_view text);
std::string unescapedLine(std::string_view line);

} // namespace tq
