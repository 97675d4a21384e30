#pragma once
// The program without its window, for administrators and scripts: checking a phrase library,
// verifying a class for the eFile, writing the eFile, updating a class against the master list,
// and the figures of a class's marks. It uses the same rules as the windows and shows nothing
// but text.
#include "core/base/Clock.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tq {

// Exit codes.
inline constexpr int exitPassed = 0;      // done; the class passes; the library is clean
inline constexpr int exitReported = 1;    // a report of problems was printed
inline constexpr int exitUnusable = 2;    // a file could not be used, or the command line is wrong

// True when the arguments (without the program name) ask for a command or for the usage text
// rather than the window.
bool isCommandLineRequest(const std::vector<std::string>& args);

// Runs the command the arguments name. `programFolder` is the executable's folder, from which
// the default phrase library and data folder follow. Reports go to `out`, messages to `err`.
int runCommandLine(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
                   std::ostream& err, const Clock& now = systemClock(), const Pause& pause = systemPause());

std::string commandLineUsage();

// The folder of the running executable (found without any windowing library).
std::string executableFolder(const char* argv0);

} // namespace tq
