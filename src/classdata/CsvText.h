#pragma once
// Small text helpers shared by the class file, the master file and the favourites file.
#include <optional>
#include <string>
#include <string_view>

namespace tq {

// Takes the first comma field off `line` and returns it. A field that begins with a double quote
// runs to the next double quote (no escaping); the line then continues after the closing quote and
// the one character after it. Nothing when a quoted field has no closing quote (the line is left
// as it was).
std::optional<std::string> nextCsvField(std::string_view& line);

// A value as one field of a written line: as it is, unless it holds a comma; then it is enclosed
// in double quotes, which nextCsvField strips again, so that the value does not shift later fields.
std::string csvField(std::string_view value);

// How many times the one character `c` occurs in `text`.
int countChar(std::string_view text, char c);

// Text with leading and trailing spaces removed (spaces only, not tabs).
std::string_view trimSpaces(std::string_view text);

// The leading numeric value of a text: leading blanks skipped, an optional sign, digits and one
// decimal point, up to the first character that cannot continue the number; 0 when there is none.
double leadingNumber(std::string_view text);

// A whole text that is a decimal integer (surrounding spaces allowed) within the 16-bit range.
std::optional<int> parseShortInteger(std::string_view text);

} // namespace tq
