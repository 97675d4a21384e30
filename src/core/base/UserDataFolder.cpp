#include "core/base/UserDataFolder.h"

#include <cstdlib>

namespace tq {

std::string userDataFolder(const std::string& home, const std::string& xdgDataHome)
{
    const std::string data = xdgDataHome.starts_with('/') ? xdgDataHome : home + "/.local/share";
    return data + "/tallyquill";
}

std::string userDataFolderOfUser()
{
    const char* home = std::getenv("HOME");
    const char* data = std::getenv("XDG_DATA_HOME");
    if (!home || !*home)
        return std::string();
    return userDataFolder(home, data ? data : "");
}

} // namespace tq
