#include "core/base/TeacherFolder.h"

#include "core/base/TextFile.h"
#include "core/base/TrimBlanks.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

namespace tq {

namespace {

// The folder a user-dirs.dirs line names for `key`: `key="$HOME/Documents"` or `key="/abs/path"`,
// with backslash escapes. Nothing when the line is about something else or is not of that form.
std::optional<std::string> userDirValue(std::string_view line, std::string_view key, const std::string& home)
{
    line = trimBlanks(line);
    if (!line.starts_with(key))
        return std::nullopt;
    line = trimBlanks(line.substr(key.size()));
    if (!line.starts_with('='))
        return std::nullopt;
    line = trimBlanks(line.substr(1));
    if (line.size() < 2 || line.front() != '"' || line.back() != '"')
        return std::nullopt;
    line = line.substr(1, line.size() - 2);
    std::string value;
    if (line.starts_with("$HOME")) {
        value = home;
        line.remove_prefix(5);
    } else if (!line.starts_with('/')) {
        return std::nullopt;
    }
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size())
            ++i;
        value += line[i];
    }
    while (value.size() > 1 && value.back() == '/')
        value.pop_back();
    return value;
}

} // namespace

std::string documentsFolder(const std::string& home, const std::string& xdgConfigHome)
{
    const std::string config = xdgConfigHome.empty() ? home + "/.config" : xdgConfigHome;
    if (const std::optional<std::string> text = readTextFile(config + "/user-dirs.dirs"))
        for (const std::string_view line : lineViews(*text))
            if (std::optional<std::string> folder = userDirValue(line, "XDG_DOCUMENTS_DIR", home))
                return *folder;
    return home + "/Documents";
}

std::string documentsFolderOfUser()
{
    const char* home = std::getenv("HOME");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return documentsFolder(home ? home : "", config ? config : "");
}

bool teacherFolderFound(const std::string& folder)
{
    if (folder.empty())
        return false;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    return !ec;
}

std::string dialogStartFolder(const std::string& teacherFolder)
{
    return teacherFolderFound(teacherFolder) ? teacherFolder : std::string();
}

} // namespace tq
