#include "classdata/CsvText.h"

#include <charconv>
#include <cmath>

namespace tq {

std::optional<std::string> nextCsvField(std::string_view& line)
{
    if (line.empty() || line.front() != '"') {
        const size_t comma = line.find(',');
        std::string field(line.substr(0, comma));
        line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
        return field;
    }
    const size_t close = line.find('"', 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    std::string field(line.substr(1, close - 1));
    const size_t rest = close + 2; // skip the closing quote and the separator after it
    line = rest >= line.size() ? std::string_view() : line.substr(rest);
    return field;
}

std::string csvField(std::string_view value)
{
    if (value.find(',') == std::string_view::npos)
        return std::string(value);
    std::string field;
    field.reserve(value.size() + 2);
    field += '"';
    field += value;
    field += '"';
    return field;
}

int countChar(std::string_view text, char c)
{
    int n = 0;
    for (const char ch : text)
        n += ch == c ? 1 : 0;
    return n;
}

std::string_view trimSpaces(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

double leadingNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    // from_chars ignores the locale, so a French desktop still reads "85.5" as 85.5.
    const bool negative = number.front() == '-';
    const size_t skip = (number.front() == '-' || number.front() == '+') ? 1 : 0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data() + skip, number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double when a non-zero digit stands before the point, else too small.
        const std::string_view whole = std::string_view(number).substr(0, number.find('.'));
        value = whole.find_first_of("123456789") != std::string_view::npos ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

std::optional<int> parseShortInteger(std::string_view text)
{
    text = trimSpaces(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return value;
}

} // namespace tq
