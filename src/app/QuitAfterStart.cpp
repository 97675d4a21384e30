#include "app/QuitAfterStart.h"

#include <cstdlib>
#include <string_view>

namespace tq {

std::optional<QuitAfterStart> quitAfterStartRequest(const char* quitValue, const char* favouritesValue)
{
    if (!quitValue)
        return std::nullopt;
    const std::string_view value(quitValue);
    if (value != "1" && value != "start-up-window")
        return std::nullopt;
    return QuitAfterStart{value == "1" ? QuitAfterStart::Window::Main : QuitAfterStart::Window::StartUp,
                          favouritesValue ? favouritesValue : ""};
}

std::optional<QuitAfterStart> quitAfterStartFromEnvironment()
{
    return quitAfterStartRequest(std::getenv("TQ_QUIT_AFTER_START"), std::getenv("TQ_START_FAVOURITES"));
}

} // namespace tq
