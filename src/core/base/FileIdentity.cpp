#include "core/base/FileIdentity.h"

#include "core/base/TextFile.h"

#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace tq {

namespace {
std::uint64_t fnv1a(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::optional<std::pair<std::uint64_t, std::int64_t>> sizeAndTime(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return std::pair{static_cast<std::uint64_t>(st.st_size),
                     static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

// One file under all its names: a link or a "../" path is the file it leads to.
std::string keyOf(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ec);
    return ec ? path : canonical.string();
}
} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    const auto stamp = sizeAndTime(path);
    const std::optional<std::string> bytes = stamp ? readFileBytes(path) : std::nullopt;
    if (!bytes)
        return std::nullopt;
    return FileIdentity{stamp->first, stamp->second, fnv1a(*bytes)};
}

void KnownFiles::remember(const std::string& path)
{
    if (const std::optional<FileIdentity> identity = fileIdentity(path))
        files_[keyOf(path)] = *identity;
    else
        forget(path);
}

void KnownFiles::forget(const std::string& path) { files_.erase(keyOf(path)); }

KnownFiles::Since KnownFiles::changeSince(const std::string& path) const
{
    const auto known = files_.find(keyOf(path));
    if (known == files_.end())
        return Since::NeverKnown;
    const auto stamp = sizeAndTime(path);
    if (!stamp)
        return Since::Unchanged;
    const FileIdentity& was = known->second;
    if (stamp->first != was.size)
        return Since::Changed;
    if (stamp->second == was.modifiedNs)
        return Since::Unchanged;
    const std::optional<FileIdentity> now = fileIdentity(path);
    return now && now->contentHash == was.contentHash ? Since::Unchanged : Since::Changed;
}

} // namespace tq
