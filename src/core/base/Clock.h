#pragma once
// "Now", as the rules that depend on today's date see it. Tests replace it.
#include <chrono>
#include <ctime>
#include <functional>
#include <thread>

namespace tq {

using Clock = std::function<std::time_t()>;

inline std::time_t systemNow() { return std::time(nullptr); }
inline Clock systemClock() { return &systemNow; }

// Waiting, as the rules that wait for a file to settle do it. Tests replace it, so none sleeps.
using Pause = std::function<void(std::chrono::milliseconds)>;
inline void systemSleep(std::chrono::milliseconds d) { std::this_thread::sleep_for(d); }
inline Pause systemPause() { return &systemSleep; }

// The number of calendar-day boundaries (in local time) from `from` to `to`: 23:59 one day to
// 00:01 the next is one day; two times on the same date are zero days apart.
int calendarDaysBetween(std::time_t from, std::time_t to);

} // namespace tq
