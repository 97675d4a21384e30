#include "core/recovery/LeftCopies.h"

#include "core/classdata/ClassFile.h"
#include "core/recovery/CopyFolders.h"

#include <algorithm>
#include <map>

namespace tq {

std::optional<LeftCopy> readLeftCopy(const std::string& folder, const std::string& name, const PhraseLibrary& library)
{
    const std::optional<RecoveryEntry> entry = recoveryEntryOf(name);
    const std::string path = folder + "/" + name;
    const std::optional<std::string> noteText = readTextFile(path + "/" + recoveryNoteFileName);
    std::optional<RecoveryNote> note = noteText ? parseRecoveryNote(*noteText) : std::nullopt;
    if (!entry || !note || note->kind != entry->kind)
        return std::nullopt;
    // Read as the bytes that were written: nothing is decoded on the way.
    const std::optional<std::string> bytes = readFileBytes(path + "/" + note->copyFile);
    if (!bytes || !noteDescribes(*note, *bytes))
        return std::nullopt;
    if (note->kind == CopyKind::Class) {
        std::variant<ClassList, Message> students = parseClassFileText(*bytes);
        if (std::holds_alternative<Message>(students))
            return std::nullopt;
        return LeftCopy{name, std::move(*note), std::move(std::get<ClassList>(students))};
    }
    Favourites fav;
    fav.favouritesFile = note->originalFile;
    if (readFavouritesLines(fav, splitLines(*bytes), library))
        return std::nullopt;
    return LeftCopy{name, std::move(*note), std::move(fav)};
}

LeftCopies::LeftCopies(const std::string& folder, const std::string& ownInstance, const PhraseLibrary& library)
    : folder_(folder)
{
    std::map<std::string, std::vector<std::string>> namesOf;
    for (const std::string& name : namesInFolder(folder))
        if (const std::optional<RecoveryEntry> entry = recoveryEntryOf(name); entry && entry->instance != ownInstance)
            namesOf[entry->instance].push_back(name);
    for (const auto& [instance, names] : namesOf) {
        InstanceLock lock = InstanceLock::take(folder + "/" + lockFileName(instance));
        if (!lock.held())
            continue; // still running, or not ours to look at
        lookAtInstance(names, library);
        locks_.push_back(std::move(lock));
    }
    std::stable_sort(copies_.begin(), copies_.end(), [](const LeftCopy& a, const LeftCopy& b) {
        if (a.kind() != b.kind())
            return a.kind() == CopyKind::Class;
        return a.note.changed > b.note.changed;
    });
}

void LeftCopies::lookAtInstance(const std::vector<std::string>& names, const PhraseLibrary& library)
{
    std::map<CopyKind, std::map<std::uint64_t, std::string, std::greater<>>> copiesOf; // newest first
    for (const std::string& name : names) {
        const RecoveryEntry entry = *recoveryEntryOf(name);
        if (entry.what == RecoveryEntry::What::Copy)
            copiesOf[entry.kind][entry.number] = name;
        else if (entry.what != RecoveryEntry::What::Lock)
            removeFolderOfFiles(folder_ + "/" + name); // a write or a removal the program did not finish
    }
    for (const auto& [kind, numbered] : copiesOf) {
        bool found = false;
        for (const auto& [number, name] : numbered) {
            if (found) {
                removeCopyFolder(folder_, name); // out of date
                continue;
            }
            if (std::optional<LeftCopy> copy = readLeftCopy(folder_, name, library)) {
                copies_.push_back(std::move(*copy));
                found = true;
                continue;
            }
            DamagedCopy damaged;
            const std::optional<std::string> noteText = readTextFile(folder_ + "/" + name + "/" + recoveryNoteFileName);
            damaged.note = noteText ? parseRecoveryNote(*noteText) : std::nullopt;
            damaged.folderName = name;
            damaged.keptAt = putCopyAside(folder_, name).value_or(std::string());
            damaged_.push_back(std::move(damaged));
        }
    }
}

void LeftCopies::discard(const LeftCopy& copy)
{
    removeCopyFolder(folder_, copy.folderName);
}

void LeftCopies::decline(const LeftCopy& copy)
{
    putCopyAside(folder_, copy.folderName, AsideFolder::Declined);
}

LeftCopies::~LeftCopies()
{
    const std::vector<std::string> names = namesInFolder(folder_);
    for (InstanceLock& lock : locks_) {
        const std::string lockName = lock.path().substr(lock.path().find_last_of('/') + 1);
        const std::string instance = recoveryEntryOf(lockName)->instance;
        const bool copyLeft = std::any_of(names.begin(), names.end(), [&instance](const std::string& name) {
            const std::optional<RecoveryEntry> entry = recoveryEntryOf(name);
            return entry && entry->instance == instance && entry->what == RecoveryEntry::What::Copy;
        });
        if (copyLeft)
            lock.release();
        else
            lock.removeFile();
    }
}

} // namespace tq
