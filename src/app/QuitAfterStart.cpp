#include "app/QuitAfterStart.h"

#include <cstdlib>
#include <string_view>

namespace tq {

std::optional<QuitAfterStart> quitAfterStartRequest(const char* quitValue, const char* favouritesValue)
{
    if (!quitValue || std::string_view(quitValue) != "1")
        return std::nullopt;
    return QuitAfterStart{favouritesValue ? favouritesValue : ""};
}

std::optional<QuitAfterStart> quitAfterStartFromEnvironment()
{
    return quitAfterStartRequest(std::getenv("TQ_QUIT_AFTER_START"), std::getenv("TQ_START_FAVOURITES"));
}

} // namespace tq
