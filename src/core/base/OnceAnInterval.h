#pragma once
// Work that is asked for often but done at most once an interval, however fast the requests
// come (a recovery copy of the class, a window brought up to date with it): how long to wait
// before doing it again.
#include <chrono>
#include <optional>

namespace tq {

using SteadyTime = std::chrono::steady_clock::time_point;

// Nothing when the work was never done, or was last done an interval ago or more; otherwise
// what is left of the interval since it was last done.
std::chrono::milliseconds delayBeforeNext(std::optional<SteadyTime> lastDone, SteadyTime now,
                                          std::chrono::milliseconds interval);

} // namespace tq
