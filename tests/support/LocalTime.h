#pragma once
// A moment given as a local date and time, for tests whose results depend on "now".
#include <ctime>

namespace tq::test {

inline std::time_t localTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    std::tm tm {};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

} // namespace tq::test
