#include "program/TeacherFolder.h"

#include <filesystem>
#include <system_error>

namespace tq {

namespace {

bool isOrdinaryFile(const std::filesystem::directory_entry& entry)
{
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    std::error_code ec;
    return entry.is_regular_file(ec) && !ec;
}

} // namespace

bool teacherFolderFound(const std::string& folder)
{
    if (folder.empty())
        return false;
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    if (ec)
        return false;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec)
            return false;
        if (isOrdinaryFile(*it))
            return true;
    }
    return false;
}

} // namespace tq
