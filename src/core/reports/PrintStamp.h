#pragma once
// The date and time that printed headings carry, in local time.
#include <ctime>
#include <string>

namespace tq {

// "MM-DD-YYYY": two-digit month and day, four-digit year.
std::string printedDate(std::time_t when);
// "HH:MM:SS" on a 24-hour clock.
std::string printedTime(std::time_t when);

} // namespace tq
