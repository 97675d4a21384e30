#pragma once
// The lock beside a class or favourites file that the program has open, so that a second copy of
// the program, on this machine or another one on the same share, knows the file is being worked
// on. It is a small hidden file in the file's folder, ".~lock.NAME#", holding one line
// "USER,HOST,PID,SINCE" (SINCE in seconds since 1970), kept locked (flock) while the program
// runs. A lock whose program has ended is stale and is taken over: on this machine the system
// let go of it (the program ended, a killed one too), or its process is gone.
#include "core/base/InstanceLock.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

struct LockHolder {
    std::string user;
    std::string host;
    long pid = 0;
    std::time_t since = 0;
};

// This program as a lock names it.
LockHolder thisProgram(std::time_t now);
bool isThisProgram(const LockHolder& holder);

// The lock file's name for `file`, in the same folder.
std::string lockFileFor(const std::string& file);
std::string lockFileText(const LockHolder& holder);
// Nothing when the text is not a lock's line.
std::optional<LockHolder> parseLockFile(std::string_view text);

class FileLock {
public:
    struct Attempt;
    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(FileLock&&) noexcept = default;
    FileLock& operator=(FileLock&& other) noexcept;

    // Takes the lock of `file`. When another running program holds it, nothing is taken and the
    // attempt names the holder. A lock from another machine cannot be told stale from here: it is
    // taken over only when `overHolderElsewhere` (the teacher chose to open the file anyway).
    // When the lock file cannot be made (a folder the teacher may not write), nothing is taken
    // and no one holds it.
    static Attempt take(const std::string& file, std::time_t now, bool overHolderElsewhere = false);

    bool held() const { return lock_.held(); }
    const std::string& file() const { return file_; }
    // Removes the lock file (when it is still this program's) and lets go.
    void release();

private:
    InstanceLock lock_;
    std::string file_;
};

struct FileLock::Attempt {
    FileLock lock;
    std::optional<LockHolder> heldBy; // another program has the file open
    // Why no lock could be made, when none was and no one holds it ("" otherwise): the end of the
    // sentence "This class is not protected against a second copy: …".
    std::string notMade;
};

} // namespace tq
