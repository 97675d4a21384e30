#pragma once
// "Now", as the rules that depend on today's date see it. Tests replace it.
#include <ctime>
#include <functional>

namespace tq {

using Clock = std::function<std::time_t()>;

inline std::time_t systemNow() { return std::time(nullptr); }
inline Clock systemClock() { return &systemNow; }

// The number of calendar-day boundaries (in local time) from `from` to `to`: 23:59 one day to
// 00:01 the next is one day; two times on the same date are zero days apart.
int calendarDaysBetween(std::time_t from, std::time_t to);

} // namespace tq
