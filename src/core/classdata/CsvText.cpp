#include "core/classdata/CsvText.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <cmath>

namespace tq {

std::optional<std::string> nextCsvField(std::string_view& line)
{
    std::string_view field;
    if (!takeCsvFields(line, &field, 1))
        return std::nullopt;
    return std::string(field);
}

namespace {
// 0x80 in each byte of `w` that is zero, and nothing in the others (exact, with no carries
// between bytes).
uint64_t zeroBytes(uint64_t w)
{
    constexpr uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
    return ~(((w & low7) + low7) | w | low7);
}
} // namespace

size_t csvFieldCount(std::string_view line)
{
    size_t count = 1;
    for (size_t at = 0;; ++count) {
        size_t separator;
        if (at < line.size() && line[at] == '"') {
            const size_t close = line.find('"', at + 1);
            if (close == std::string_view::npos || close + 1 >= line.size())
                return count;
            separator = close + 1; // the character after the closing quote, whatever it is
        } else {
            separator = line.find(',', at);
            if (separator == std::string_view::npos)
                return count;
        }
        at = separator + 1;
    }
}

std::optional<std::string_view> skipCsvFields(std::string_view line, size_t count)
{
    if (count == 0)
        return line;
    if (line.find('"') != std::string_view::npos) {
        std::string_view field;
        for (size_t i = 0; i < count; ++i)
            if (!takeCsvFields(line, &field, 1))
                return std::nullopt;
        return line;
    }
    // No quotes: the fields end at commas, so the rest begins after the count-th comma.
    constexpr uint64_t commas = 0x2C2C2C2C2C2C2C2Cull;
    size_t left = count;
    size_t i = 0;
    for (; i + 8 <= line.size(); i += 8) {
        uint64_t w;
        std::memcpy(&w, line.data() + i, sizeof w);
        const uint64_t hits = zeroBytes(w ^ commas);
        // One 0x80 per comma: gather them into the top byte to count them.
        const auto n = static_cast<size_t>(((hits >> 7) * 0x0101010101010101ull) >> 56);
        if (n >= left)
            break;
        left -= n;
    }
    for (; i < line.size(); ++i)
        if (line[i] == ',' && --left == 0)
            return line.substr(i + 1);
    return std::string_view(); // fewer fields: the rest are empty, as takeCsvFields gives them
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
