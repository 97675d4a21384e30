#include "core/markbook/OutsideMark.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace tq {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Without blanks at either end, a UTF-8 no-break space counted as a blank.
std::string_view trimmed(std::string_view s)
{
    for (;;) {
        if (!s.empty() && isBlank(s.front()))
            s.remove_prefix(1);
        else if (s.starts_with("\xC2\xA0"))
            s.remove_prefix(2);
        else if (!s.empty() && isBlank(s.back()))
            s.remove_suffix(1);
        else if (s.ends_with("\xC2\xA0"))
            s.remove_suffix(2);
        else
            return s;
    }
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as written: an optional sign, digits, and one decimal point or comma with
// digits on at least one side.
struct Decimal {
    bool negative = false;
    std::string whole;    // without leading zeros ("" for zero)
    std::string fraction; // the digits after the point, as written
    std::string text() const
    {
        std::string t = (negative ? "-" : "") + (whole.empty() ? std::string("0") : whole);
        return fraction.empty() ? t : t + "." + fraction;
    }
    double value() const
    {
        // from_chars, not stod: the C library's locale (which Qt sets from the desktop) may use a comma.
        const std::string digits = "0" + whole + "." + fraction + "0";
        double v = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), v);
        return negative ? -v : v;
    }
};

std::optional<Decimal> readDecimal(std::string_view s)
{
    Decimal d;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        d.negative = s.front() == '-';
        s.remove_prefix(1);
    }
    bool point = false, digits = false;
    for (const char c : s) {
        if (isDigit(c)) {
            digits = true;
            if (point)
                d.fraction += c;
            else if (c != '0' || !d.whole.empty())
                d.whole += c;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    return d;
}

// A letter grade as report cards and markbooks write them: A to F (or R), with + or -.
bool isLetterGrade(std::string_view s)
{
    if (s.empty() || s.size() > 2)
        return false;
    const char letter = static_cast<char>(s[0] & ~0x20);
    const bool isGrade = (letter >= 'A' && letter <= 'F') || letter == 'R';
    return isGrade && (s.size() == 1 || s[1] == '+' || s[1] == '-');
}

// "1,000" or "87,500": a comma followed by exactly three digits may group thousands as well as
// mark decimals, so it is read as neither.
bool hasAmbiguousComma(std::string_view s)
{
    const size_t comma = s.find(',');
    return comma != std::string_view::npos && s.size() - comma == 4 && isDigit(s[comma + 1]) &&
           isDigit(s[comma + 2]) && isDigit(s[comma + 3]);
}

constexpr const char* ambiguousComma = "a thousands separator or a decimal comma?";

OutsideMark refused(std::string reason)
{
    return OutsideMark{OutsideMark::Kind::Refused, {}, {}, std::move(reason)};
}

// A whole mark from 0 to 100, shown with what it was rounded from when that differs.
OutsideMark wholeMark(long long rounded, const std::string& from)
{
    if (rounded > 100)
        return refused("above 100");
    const std::string mark = std::to_string(rounded);
    return OutsideMark{OutsideMark::Kind::Mark, mark, from == mark ? mark : from + " \u2192 " + mark, {}};
}
} // namespace

OutsideMark readOutsideMark(std::string_view cell)
{
    std::string_view s = trimmed(cell);
    if (s.ends_with('%'))
        s = trimmed(s.substr(0, s.size() - 1));
    if (s.empty())
        return OutsideMark{};
    if (s == "I" || s == "i")
        return OutsideMark{OutsideMark::Kind::Mark, "I", "I", {}};
    const std::optional<Decimal> d = readDecimal(s);
    if (d && hasAmbiguousComma(s))
        return refused(ambiguousComma);
    if (!d)
        return refused(isLetterGrade(s) ? "a letter grade, not a mark" : "not a mark");
    if (d->negative && (!d->whole.empty() || d->fraction.find_first_not_of('0') != std::string::npos))
        return refused("a negative mark");
    if (d->whole.size() > 3)
        return refused("above 100");
    // Half up, decided on the written digits: 87.5 gives 88, 87.49 gives 87.
    const long long rounded = std::stoll("0" + d->whole) + (!d->fraction.empty() && d->fraction[0] >= '5' ? 1 : 0);
    return wholeMark(rounded, d->fraction.empty() ? std::to_string(rounded) : d->text());
}

OutsideMark readFractionMark(std::string_view numerator, std::string_view denominator)
{
    const std::string_view n = trimmed(numerator);
    if (n.empty())
        return OutsideMark{};
    const std::optional<Decimal> top = readDecimal(n);
    const std::optional<Decimal> bottom = readDecimal(trimmed(denominator));
    if (!top)
        return refused("the numerator is not a number");
    if (hasAmbiguousComma(n) || hasAmbiguousComma(trimmed(denominator)))
        return refused(ambiguousComma);
    if (!bottom || bottom->value() <= 0)
        return refused("the denominator is not a number above 0");
    const double percent = top->value() / bottom->value() * 100.0;
    if (percent < 0)
        return refused("a negative mark");
    if (percent > 1000)
        return refused("above 100");
    // A small allowance, so that 87.5 reached through a division still rounds up.
    const auto rounded = static_cast<long long>(std::floor(percent + 0.5 + 1e-9));
    return wholeMark(rounded, top->text() + " / " + bottom->text());
}

} // namespace tq
