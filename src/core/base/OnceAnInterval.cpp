#include "core/base/OnceAnInterval.h"

namespace tq {

std::chrono::milliseconds delayBeforeNext(std::optional<SteadyTime> lastDone, SteadyTime now,
                                          std::chrono::milliseconds interval)
{
    if (!lastDone || now - *lastDone >= interval)
        return std::chrono::milliseconds{0};
    return std::chrono::ceil<std::chrono::milliseconds>(*lastDone + interval - now);
}

} // namespace tq
