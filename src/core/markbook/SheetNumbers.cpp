#include "core/markbook/SheetNumbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace tq {
namespace {

std::optional<double> parsedNumber(std::string_view stored)
{
    while (!stored.empty() && (stored.front() == ' ' || stored.front() == '+'))
        stored.remove_prefix(1);
    while (!stored.empty() && stored.back() == ' ')
        stored.remove_suffix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size() || stored.empty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Below this, numbers are written out in full (a student number, a mark); above, as a spreadsheet
// shows them, with an exponent.
constexpr double largestWrittenOut = 1e15;

std::string shortest(double value)
{
    std::array<char, 400> buffer;
    const bool writtenOut = std::fabs(value) < largestWrittenOut;
    const auto result = writtenOut ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                                   std::chars_format::fixed)
                                   : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// Moves the decimal point of a written-out number two places to the right: "0.875" → "87.5".
std::string timesHundred(const std::string& text)
{
    std::string sign;
    std::string_view digits = text;
    if (digits.starts_with('-')) {
        sign = "-";
        digits.remove_prefix(1);
    }
    const std::size_t point = digits.find('.');
    std::string whole(digits.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view() : digits.substr(point + 1));
    fraction.resize(std::max<std::size_t>(fraction.size(), 2), '0');
    whole += fraction.substr(0, 2);
    fraction.erase(0, 2);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return sign + whole + (fraction.empty() ? "" : "." + fraction);
}

} // namespace

std::string numberText(std::string_view stored)
{
    const std::optional<double> value = parsedNumber(stored);
    return value ? shortest(*value) : std::string(stored);
}

std::string percentText(std::string_view stored)
{
    const std::optional<double> value = parsedNumber(stored);
    if (!value)
        return std::string(stored);
    if (std::fabs(*value) * 100 >= largestWrittenOut)
        return shortest(*value * 100) + "%";
    return timesHundred(shortest(*value)) + "%";
}

} // namespace tq
