#pragma once
// A timed start-up for the start-up benchmark, switched on by the environment and by nothing
// else. With TQ_QUIT_AFTER_START=1 the program skips the start-up window, takes the favourites
// file named by TQ_START_FAVOURITES (none when it is unset or empty) and quits as soon as its main
// window has been painted; with TQ_QUIT_AFTER_START=start-up-window it quits as soon as the
// start-up window has been painted, the phrase library's reading behind it finished. A script can
// so time start-up to either window shown.
#include <optional>
#include <string>

namespace tq {

struct QuitAfterStart {
    enum class Window { Main, StartUp };
    Window window = Window::Main; // the window whose first paint ends the program
    std::string favouritesFile;   // what the start-up window would have chosen; "" for none
};

// The request given by the two variables' values (null for an unset variable); nothing unless
// the first is exactly "1" or "start-up-window".
std::optional<QuitAfterStart> quitAfterStartRequest(const char* quitValue, const char* favouritesValue);
// The same from the program's environment.
std::optional<QuitAfterStart> quitAfterStartFromEnvironment();

} // namespace tq
