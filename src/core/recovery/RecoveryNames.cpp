#include "core/recovery/RecoveryNames.h"

#include "core/base/FileNames.h"
#include "core/base/TextFile.h"
#include "core/base/UserDataFolder.h"
#include "core/classdata/ClassFile.h"

#include <charconv>
#include <cstdio>
#include <random>
#include <unistd.h>

namespace tq {

namespace {
constexpr std::string_view lockSuffix = ".lock";
constexpr std::string_view writingPrefix = ".writing.";
constexpr std::string_view removingPrefix = ".removing.";
constexpr size_t longestInstanceId = 64;

bool isInstanceId(std::string_view s)
{
    if (s.empty() || s.size() > longestInstanceId)
        return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-'))
            return false;
    return true;
}

std::optional<CopyKind> copyKindNamed(std::string_view name)
{
    for (CopyKind kind : {CopyKind::Class, CopyKind::Favourites})
        if (name == copyKindName(kind))
            return kind;
    return std::nullopt;
}

std::optional<std::uint64_t> numberOf(std::string_view s)
{
    std::uint64_t n = 0;
    if (s.empty() || s.size() > 19 || s.front() == '0')
        return std::nullopt;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return n;
}

// The instance id that follows `prefix` up to the next dot: ".writing.<id>.XXXXXX".
std::optional<std::string> instanceAfter(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix))
        return std::nullopt;
    name.remove_prefix(prefix.size());
    const std::string_view id = name.substr(0, name.find('.'));
    if (!isInstanceId(id) || id.size() == name.size())
        return std::nullopt;
    return std::string(id);
}
} // namespace

std::string_view copyKindName(CopyKind kind)
{
    return kind == CopyKind::Class ? "class" : "favourites";
}

std::string recoveryFolder(const std::string& home, const std::string& xdgDataHome)
{
    return userDataFolder(home, xdgDataHome) + "/recovery";
}

std::string recoveryFolderOfUser()
{
    const std::string folder = userDataFolderOfUser();
    return folder.empty() ? folder : folder + "/recovery";
}

std::string instanceId(std::time_t started, long pid, std::uint32_t random)
{
    std::tm local{};
    localtime_r(&started, &local);
    char id[64];
    std::snprintf(id, sizeof id, "%04d%02d%02dT%02d%02d%02d-%ld-%08x", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, pid, static_cast<unsigned>(random));
    return id;
}

std::string newInstanceId()
{
    std::random_device device;
    return instanceId(std::time(nullptr), static_cast<long>(::getpid()), static_cast<std::uint32_t>(device()));
}

std::string lockFileName(const std::string& instance)
{
    return instance + std::string(lockSuffix);
}

std::string copyFolderName(const std::string& instance, CopyKind kind, std::uint64_t number)
{
    return instance + "." + std::string(copyKindName(kind)) + "." + std::to_string(number);
}

std::string writingFolderTemplate(const std::string& instance)
{
    return std::string(writingPrefix) + instance + ".XXXXXX";
}

std::string removingFolderName(const std::string& copyFolder)
{
    return std::string(removingPrefix) + copyFolder;
}

std::string copyFileName(CopyKind kind, const std::string& courseCode, const std::string& favouritesFile)
{
    if (kind == CopyKind::Class) {
        const std::string base = classFileBaseName(courseCode);
        return (base.empty() ? std::string("class") : base) + ".tqc";
    }
    const std::string base = fileNameOf(favouritesFile);
    if (base.empty() || base.starts_with('.'))
        return "favourites.tqf";
    return withRequiredExtension(base, ".tqf");
}

std::optional<RecoveryEntry> recoveryEntryOf(std::string_view name)
{
    RecoveryEntry entry;
    if (std::optional<std::string> id = instanceAfter(name, writingPrefix)) {
        entry.what = RecoveryEntry::What::Writing;
        entry.instance = std::move(*id);
        return entry;
    }
    if (std::optional<std::string> id = instanceAfter(name, removingPrefix)) {
        entry.what = RecoveryEntry::What::Removing;
        entry.instance = std::move(*id);
        return entry;
    }
    if (name.ends_with(lockSuffix)) {
        const std::string_view id = name.substr(0, name.size() - lockSuffix.size());
        if (!isInstanceId(id))
            return std::nullopt;
        entry.what = RecoveryEntry::What::Lock;
        entry.instance = std::string(id);
        return entry;
    }
    // <id>.<kind>.<n>
    const size_t first = name.find('.');
    const size_t second = first == std::string_view::npos ? first : name.find('.', first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const std::string_view id = name.substr(0, first);
    const std::optional<CopyKind> kind = copyKindNamed(name.substr(first + 1, second - first - 1));
    const std::optional<std::uint64_t> number = numberOf(name.substr(second + 1));
    if (!isInstanceId(id) || !kind || !number)
        return std::nullopt;
    entry.what = RecoveryEntry::What::Copy;
    entry.instance = std::string(id);
    entry.kind = *kind;
    entry.number = *number;
    return entry;
}

} // namespace tq
