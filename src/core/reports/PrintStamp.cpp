#include "core/reports/PrintStamp.h"

#include <cstdio>

namespace tq {

namespace {
std::tm localParts(std::time_t when)
{
    std::tm tm {};
    localtime_r(&when, &tm);
    return tm;
}
} // namespace

std::string printedDate(std::time_t when)
{
    const std::tm tm = localParts(when);
    char text[40];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", tm.tm_mon + 1, tm.tm_mday, tm.tm_year + 1900);
    return text;
}

std::string printedTime(std::time_t when)
{
    const std::tm tm = localParts(when);
    char text[40];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

} // namespace tq
