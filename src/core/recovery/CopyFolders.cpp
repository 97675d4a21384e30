#include "core/recovery/CopyFolders.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tq {

namespace {
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool makeOwnFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    struct stat st {};
    return errno == EEXIST && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

std::string_view copyWriteStepName(CopyWriteStep step)
{
    switch (step) {
    case CopyWriteStep::FolderMade: return "folder-made";
    case CopyWriteStep::CopyWritten: return "copy-written";
    case CopyWriteStep::NoteWritten: return "note-written";
    case CopyWriteStep::InPlace: return "in-place";
    case CopyWriteStep::OlderRemoved: return "older-removed";
    }
    return "";
}

bool makeRecoveryFolder(const std::string& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(folder).parent_path(), ec);
    // The copies hold names, marks and IEP flags: the folder is its owner's alone.
    return makeOwnFolder(folder) && ::chmod(folder.c_str(), 0700) == 0;
}

bool writeCopyFolder(const std::string& folder, const std::string& instance, std::uint64_t number,
                     std::string_view bytes, RecoveryNote note, const CopyWriteHook& hook,
                     const ByteWriterFactory& makeWriter)
{
    const auto step = [&hook](CopyWriteStep s) {
        if (hook)
            hook(s);
    };
    std::string made = folder + "/" + writingFolderTemplate(instance);
    if (!::mkdtemp(made.data()))
        return false;
    step(CopyWriteStep::FolderMade);
    note.length = bytes.size();
    note.checksum = copyChecksum(bytes);
    const std::string name = copyFolderName(instance, note.kind, number);
    bool ok = replaceFileAtomically(made + "/" + note.copyFile, bytes, makeWriter);
    if (ok)
        step(CopyWriteStep::CopyWritten);
    ok = ok && replaceFileAtomically(made + "/" + recoveryNoteFileName, recoveryNoteText(note), makeWriter);
    if (ok)
        step(CopyWriteStep::NoteWritten);
    ok = ok && ::rename(made.c_str(), (folder + "/" + name).c_str()) == 0;
    if (!ok) {
        const int error = errno;
        removeFolderOfFiles(made);
        errno = error;
        return false;
    }
    syncFolder(folder);
    step(CopyWriteStep::InPlace);
    removeCopies(folder, instance, note.kind, number);
    step(CopyWriteStep::OlderRemoved);
    return true;
}

bool removeCopyFolder(const std::string& folder, const std::string& name)
{
    const std::string going = folder + "/" + removingFolderName(name);
    if (::rename((folder + "/" + name).c_str(), going.c_str()) != 0)
        return false;
    syncFolder(folder);
    removeFolderOfFiles(going);
    return true;
}

void removeCopies(const std::string& folder, const std::string& instance, CopyKind kind, std::uint64_t below)
{
    for (const std::string& name : namesInFolder(folder)) {
        const std::optional<RecoveryEntry> entry = recoveryEntryOf(name);
        if (entry && entry->what == RecoveryEntry::What::Copy && entry->instance == instance && entry->kind == kind &&
            entry->number < below)
            removeCopyFolder(folder, name);
    }
}

std::string_view asideFolderName(AsideFolder aside)
{
    return aside == AsideFolder::Damaged ? "damaged" : "declined";
}

std::optional<std::string> putCopyAside(const std::string& folder, const std::string& name, AsideFolder into)
{
    const std::string aside = folder + "/" + std::string(asideFolderName(into));
    if (!makeOwnFolder(aside))
        return std::nullopt;
    for (int n = 1; n < 1000; ++n) {
        const std::string target = aside + "/" + name + (n == 1 ? std::string() : "-" + std::to_string(n));
        struct stat st {};
        if (::lstat(target.c_str(), &st) == 0)
            continue;
        if (::rename((folder + "/" + name).c_str(), target.c_str()) != 0)
            return std::nullopt;
        // A moved folder keeps the time of its last change; its days aside count from now.
        ::utimensat(AT_FDCWD, target.c_str(), nullptr, 0);
        syncFolder(folder);
        return target;
    }
    return std::nullopt;
}

void removeOldDeclinedCopies(const std::string& folder, std::time_t now)
{
    const std::string aside = folder + "/" + std::string(asideFolderName(AsideFolder::Declined));
    constexpr std::time_t keptFor = std::time_t{declinedCopyDays} * 24 * 60 * 60;
    for (const std::string& name : namesInFolder(aside)) {
        struct stat st {};
        if (::lstat((aside + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode) && now - st.st_mtime > keptFor)
            removeCopyFolder(aside, name);
    }
}

std::vector<std::string> namesInFolder(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

void removeFolderOfFiles(const std::string& path)
{
    for (const std::string& name : namesInFolder(path))
        ::unlink((path + "/" + name).c_str());
    ::rmdir(path.c_str());
}

} // namespace tq
