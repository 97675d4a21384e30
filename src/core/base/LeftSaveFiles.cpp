#include "core/base/LeftSaveFiles.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {

bool isSaveTempName(std::string_view name)
{
    constexpr size_t suffix = 6; // mkstemp's XXXXXX
    if (name.size() != saveTempPrefix.size() + suffix || !name.starts_with(saveTempPrefix))
        return false;
    name.remove_prefix(saveTempPrefix.size());
    return std::all_of(name.begin(), name.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

namespace {
// Removes the file when it is a left save file of this user that no save holds.
bool removeIfLeft(int dir, const char* name)
{
    const int fd = ::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool left = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid() &&
                ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    left = left && ::unlinkat(dir, name, 0) == 0;
    ::close(fd);
    return left;
}
} // namespace

int removeLeftSaveFiles(const std::string& folder)
{
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return 0;
    DIR* entries = ::fdopendir(dir);
    if (!entries) {
        ::close(dir);
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(entries))
        if (isSaveTempName(entry->d_name) && removeIfLeft(dir, entry->d_name))
            ++removed;
    ::closedir(entries); // closes `dir` too
    return removed;
}

} // namespace tq
