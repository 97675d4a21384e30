#include "core/base/Clock.h"

namespace tq {

namespace {
// Days since 1970-01-01 of a civil date (Howard Hinnant's algorithm).
long daysFromCivil(long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

long localDayNumber(std::time_t t)
{
    std::tm tm {};
    localtime_r(&t, &tm);
    return daysFromCivil(tm.tm_year + 1900L, static_cast<unsigned>(tm.tm_mon + 1), static_cast<unsigned>(tm.tm_mday));
}
} // namespace

int calendarDaysBetween(std::time_t from, std::time_t to)
{
    return static_cast<int>(localDayNumber(to) - localDayNumber(from));
}

} // namespace tq
