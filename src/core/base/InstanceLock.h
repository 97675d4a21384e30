#pragma once
// The lock that tells a running program's files from those of a program that has ended: each
// program holds its lock file locked (flock) while it runs, and the system lets go of it however
// the program ends, a killed one too. A lock that can be taken belongs to a program that ended.
#include <string>
#include <string_view>

namespace tq {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock at `path`, making the file (with `mode`) when there is none. Not held
    // (held() false) when another program holds it or the file cannot be made.
    static InstanceLock take(const std::string& path, unsigned mode = 0600);

    bool held() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

    // Replaces what the held lock file says (who holds it). False when it cannot be written.
    bool rewrite(std::string_view bytes);
    // Removes the lock file while still holding it, then lets go.
    void removeFile();
    void release();

private:
    int fd_ = -1;
    std::string path_;
};

} // namespace tq
