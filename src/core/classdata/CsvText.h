#pragma once
// Small text helpers shared by the class file, the master file and the favourites file.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

// Takes the first comma field off `line` and returns it. A field that begins with a double quote
// runs to the next double quote (no escaping); the line then continues after the closing quote and
// the one character after it. Nothing when a quoted field has no closing quote (the line is left
// as it was).
std::optional<std::string> nextCsvField(std::string_view& line);
// Takes the next `count` fields off `line` as views into it, exactly as as many calls of
// nextCsvField would; false when a quoted field has no closing quote. Inline and in one pass, as
// the readers call it for every line of a file.
inline bool takeCsvFields(std::string_view& line, std::string_view* fields, size_t count)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    for (size_t i = 0; i < count; ++i) {
        if (p == end || *p != '"') {
            const char* q = p;
            while (q != end && *q != ',')
                ++q;
            fields[i] = std::string_view(p, static_cast<size_t>(q - p));
            p = q == end ? end : q + 1;
        } else {
            const char* close = p + 1;
            while (close != end && *close != '"')
                ++close;
            if (close == end)
                return false;
            fields[i] = std::string_view(p + 1, static_cast<size_t>(close - p - 1));
            // The line goes on after the closing quote and the separator after it.
            p = end - close <= 2 ? end : close + 2;
        }
    }
    line = std::string_view(p, static_cast<size_t>(end - p));
    return true;
}

// What is left of `line` after its first `count` fields, as takeCsvFields would leave it; nothing
// when a quoted field among them has no closing quote. A line without quotes is skipped eight
// bytes at a time: readers use this to pass over the fields they do not keep.
std::optional<std::string_view> skipCsvFields(std::string_view line, size_t count);

// The number of fields `line` holds as nextCsvField splits it (an empty line holds one). A quoted
// field that never closes ends the count.
size_t csvFieldCount(std::string_view line);

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
