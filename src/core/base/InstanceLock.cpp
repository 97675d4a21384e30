#include "core/base/InstanceLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tq {

InstanceLock::~InstanceLock()
{
    release();
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_))
{
}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept
{
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

InstanceLock InstanceLock::take(const std::string& path, unsigned mode)
{
    // Close-on-exec: a program started from this one (a print job, say) must not keep holding it.
    InstanceLock lock;
    lock.path_ = path;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd < 0)
            return lock;
        int locked = 0;
        while ((locked = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (locked != 0) {
            ::close(fd);
            return lock;
        }
        // The file may have been removed by the program that held it just before it let go: a
        // lock on a file no longer under that name guards nothing, so take the new file's.
        struct stat held {};
        struct stat named {};
        if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            lock.fd_ = fd;
            return lock;
        }
        ::close(fd);
    }
    return lock;
}

bool InstanceLock::rewrite(std::string_view bytes)
{
    if (!held() || ::ftruncate(fd_, 0) != 0)
        return false;
    off_t at = 0;
    while (!bytes.empty()) {
        const ssize_t w = ::pwrite(fd_, bytes.data(), bytes.size(), at);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(w));
        at += w;
    }
    return true;
}

void InstanceLock::removeFile()
{
    if (held())
        ::unlink(path_.c_str());
    release();
}

void InstanceLock::release()
{
    if (fd_ >= 0)
        ::close(fd_); // closing lets go of the lock
    fd_ = -1;
}

} // namespace tq
