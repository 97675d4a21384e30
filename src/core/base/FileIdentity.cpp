#include "core/base/FileIdentity.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tq {

namespace {
constexpr std::uint64_t fnvOffset = 14695981039346656037ull;

std::uint64_t fnv1a(std::uint64_t hash, const char* bytes, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= 1099511628211ull;
    }
    return hash;
}

// The name as the program used it, from the root: "../" steps are taken, links are not followed,
// so that a name that comes to lead elsewhere is still known by it.
std::string keyOf(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

bool sameFile(const FileIdentity& a, const FileIdentity& b) { return a.device == b.device && a.inode == b.inode; }
} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    // The bytes hashed and the file named are one: both come from the same open file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); // a pipe named so never waits
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    std::optional<FileIdentity> identity;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        FileIdentity id{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                        static_cast<std::uint64_t>(st.st_size),
                        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec, fnvOffset};
        char buffer[65536];
        ssize_t got = 0;
        while ((got = ::read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
            if (got > 0)
                id.contentHash = fnv1a(id.contentHash, buffer, static_cast<size_t>(got));
        if (got == 0)
            identity = id;
    }
    ::close(fd);
    return identity;
}

void KnownFiles::remember(const std::string& path)
{
    if (const std::optional<FileIdentity> identity = fileIdentity(path))
        files_[keyOf(path)] = *identity;
    else
        forget(path);
}

void KnownFiles::forget(const std::string& path) { files_.erase(keyOf(path)); }

// What the program knows under the name `path`, or else under the name of another way to the file
// it leads to now.
const FileIdentity* KnownFiles::knownAs(const std::string& path, const std::optional<FileIdentity>& now) const
{
    if (const auto byName = files_.find(keyOf(path)); byName != files_.end())
        return &byName->second;
    if (now)
        for (const auto& [name, known] : files_)
            if (sameFile(known, *now))
                return &known;
    return nullptr;
}

KnownFiles::Since KnownFiles::changeSince(const std::string& path) const
{
    const std::optional<FileIdentity> now = fileIdentity(path);
    const FileIdentity* was = knownAs(path, now);
    if (!was)
        return Since::NeverKnown;
    if (!now)
        return Since::Unchanged;
    return sameFile(*was, *now) && now->size == was->size && now->contentHash == was->contentHash ? Since::Unchanged
                                                                                                   : Since::Changed;
}

bool KnownFiles::leadsToAnotherFile(const std::string& path) const
{
    const std::optional<FileIdentity> now = fileIdentity(path);
    const auto byName = files_.find(keyOf(path));
    return now && byName != files_.end() && !sameFile(byName->second, *now);
}

} // namespace tq
