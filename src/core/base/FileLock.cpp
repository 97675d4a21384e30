#include "core/base/FileLock.h"

#include "core/base/TextFile.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {

namespace {
std::string hostName()
{
    char name[HOST_NAME_MAX + 1] = {};
    return ::gethostname(name, sizeof name - 1) == 0 ? std::string(name) : std::string();
}

std::string userName()
{
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        return pw->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

std::string_view nextField(std::string_view& rest)
{
    const size_t comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    return field;
}

template <typename Number> bool parseNumber(std::string_view text, Number& value)
{
    return !text.empty() && std::from_chars(text.data(), text.data() + text.size(), value).ptr == text.data() + text.size();
}

// Why the lock file `lockFile` could not be made or written.
std::string whyNoLock(const std::string& lockFile)
{
    const std::string name = fileNameOf(lockFile);
    struct stat st {};
    if (::lstat(lockFile.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return "a folder has the name its lock file needs (" + name + ").";
    if (::lstat(lockFile.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
        return "a link that leads nowhere has the name its lock file needs (" + name + ").";
    if (::access(folderOfFile(lockFile).c_str(), W_OK) != 0)
        return "its folder takes no new file, so its lock file (" + name + ") cannot be made.";
    return "its lock file (" + name + ") cannot be written.";
}

std::optional<LockHolder> holderOf(const std::string& lockFile)
{
    const std::optional<std::string> text = readFileBytes(lockFile);
    return text ? parseLockFile(*text) : std::nullopt;
}
} // namespace

LockHolder thisProgram(std::time_t now) { return LockHolder{userName(), hostName(), static_cast<long>(::getpid()), now}; }

bool isThisProgram(const LockHolder& holder) { return holder.pid == ::getpid() && holder.host == hostName(); }

std::string lockFileFor(const std::string& file) { return folderOfFile(file) + "/.~lock." + fileNameOf(file) + "#"; }

std::string lockFileText(const LockHolder& h)
{
    return h.user + "," + h.host + "," + std::to_string(h.pid) + "," + std::to_string(static_cast<long long>(h.since)) + "\n";
}

std::optional<LockHolder> parseLockFile(std::string_view text)
{
    if (const size_t end = text.find_first_of("\r\n"); end != std::string_view::npos)
        text = text.substr(0, end);
    LockHolder h;
    h.user = nextField(text);
    h.host = nextField(text);
    long long since = 0;
    if (!parseNumber(nextField(text), h.pid) || !parseNumber(nextField(text), since) || !text.empty() || h.pid <= 0)
        return std::nullopt;
    h.since = static_cast<std::time_t>(since);
    return h;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        release();
        lock_ = std::move(other.lock_);
        file_ = std::move(other.file_);
    }
    return *this;
}

FileLock::Attempt FileLock::take(const std::string& file, std::time_t now, bool overHolderElsewhere)
{
    Attempt attempt;
    const std::string lockFile = lockFileFor(file);
    // Readable by all, so that a colleague's copy on the share can say who has the file open.
    InstanceLock lock = InstanceLock::take(lockFile, 0644);
    const std::optional<LockHolder> holder = holderOf(lockFile);
    if (!lock.held()) {
        // A running program on this machine holds it; one that is writing its line just now is
        // someone all the same. No file at all: the folder takes no lock.
        if (fileExists(lockFile))
            attempt.heldBy = holder.value_or(LockHolder{});
        else
            attempt.notMade = whyNoLock(lockFile);
        return attempt;
    }
    // No program on this machine holds it: one that left it ended, or its process is gone. One on
    // another machine may still be running.
    if (holder && holder->host != hostName() && !overHolderElsewhere) {
        attempt.heldBy = holder;
        return attempt; // the file stays as the other machine's program left it
    }
    if (!lock.rewrite(lockFileText(thisProgram(now)))) {
        lock.removeFile();
        attempt.notMade = whyNoLock(lockFile);
        return attempt;
    }
    attempt.lock.lock_ = std::move(lock);
    attempt.lock.file_ = file;
    return attempt;
}

void FileLock::release()
{
    if (!lock_.held())
        return;
    // Another machine's program that was let open the file anyway may have taken it over.
    const std::optional<LockHolder> holder = holderOf(lock_.path());
    if (holder && isThisProgram(*holder))
        lock_.removeFile();
    else
        lock_.release();
    file_.clear();
}

} // namespace tq
