#include "core/recovery/CopyWriter.h"

#include "core/classdata/ClassFile.h"

#include <cerrno>
#include <unistd.h>

namespace tq {

std::string copyText(const CopySnapshot& snapshot)
{
    if (const ClassList* students = std::get_if<ClassList>(&snapshot.data))
        return classFileText(*students);
    return favouritesFileText(std::get<Favourites>(snapshot.data));
}

RecoveryNote copyNote(const CopySnapshot& snapshot, const std::string& instance, long pid)
{
    RecoveryNote note;
    note.kind = snapshot.kind();
    note.changed = snapshot.changed;
    note.pid = pid;
    note.instance = instance;
    if (const ClassList* students = std::get_if<ClassList>(&snapshot.data)) {
        note.originalFile = snapshot.originalFile;
        note.course = students->empty() ? std::string() : students->front().courseCode;
        note.count = static_cast<int>(students->size());
    } else {
        const Favourites& fav = std::get<Favourites>(snapshot.data);
        note.originalFile = fav.favouritesFile;
        note.count = static_cast<int>(fav.favourites.size());
    }
    note.copyFile = copyFileName(note.kind, note.course, note.originalFile);
    note.draft = snapshot.draft;
    return note;
}

bool nothingToKeep(const CopySnapshot& snapshot)
{
    const ClassList* students = std::get_if<ClassList>(&snapshot.data);
    return students && students->empty();
}

std::uint64_t snapshotChecksum(const CopySnapshot& snapshot, std::string_view text)
{
    if (!snapshot.draft)
        return copyChecksum(text);
    const FreeFormDraft& d = *snapshot.draft;
    return copyChecksum(std::string(text) + '\0' + std::to_string(d.student) + '\0' + d.studentNumber + '\0' + d.text);
}

CopyWriter::CopyWriter(std::string folder, std::string instance, Seams seams)
    : folder_(std::move(folder)), instance_(std::move(instance)), pid_(static_cast<long>(::getpid())),
      seams_(std::move(seams)), thread_([this] { run(); })
{
}

CopyWriter::~CopyWriter()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void CopyWriter::write(CopySnapshot snapshot)
{
    const CopyKind kind = snapshot.kind();
    hand(Request{Action::Write, kind, std::move(snapshot)});
}

void CopyWriter::saved(CopyKind kind, std::optional<CopySnapshot> snapshot)
{
    hand(Request{Action::Saved, kind, std::move(snapshot)});
}

void CopyWriter::remove(CopyKind kind, bool setAside)
{
    hand(Request{Action::Remove, kind, std::nullopt, setAside});
}

void CopyWriter::hand(Request request)
{
    {
        std::lock_guard lock(mutex_);
        // A write still waiting is out of date once a newer one of its kind comes, unless
        // something else of that kind has been asked for after it.
        if (request.action == Action::Write) {
            for (auto it = requests_.rbegin(); it != requests_.rend(); ++it) {
                if (it->kind != request.kind)
                    continue;
                if (it->action == Action::Write) {
                    *it = std::move(request);
                    return;
                }
                break;
            }
        }
        requests_.push_back(std::move(request));
    }
    wake_.notify_one();
}

void CopyWriter::flush()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return requests_.empty() && !busy_; });
}

bool CopyWriter::hasCopy(CopyKind kind) const
{
    std::lock_guard lock(mutex_);
    return copyOnDisk_[static_cast<size_t>(kind)];
}

CopyTrouble CopyWriter::trouble() const
{
    std::lock_guard lock(mutex_);
    return trouble_;
}

bool CopyWriter::copyFailed(CopyKind kind) const
{
    std::lock_guard lock(mutex_);
    return copyFailed_[static_cast<size_t>(kind)];
}

void CopyWriter::setTrouble(CopyKind kind, CopyTrouble trouble)
{
    {
        std::lock_guard lock(mutex_);
        const bool failed = trouble != CopyTrouble::None;
        copyFailed_[static_cast<size_t>(kind)] = failed;
        // The other kind's copy may still be missing: the trouble lasts until it is written too.
        const bool otherFailed = copyFailed_[1 - static_cast<size_t>(kind)];
        if (!failed && otherFailed)
            return;
        if (trouble_ == trouble)
            return;
        trouble_ = trouble;
    }
    if (seams_.troubleChanged)
        seams_.troubleChanged();
}

void CopyWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
        if (requests_.empty()) // stopping, with everything done
            return;
        Request request = std::move(requests_.front());
        requests_.pop_front();
        busy_ = true;
        lock.unlock();
        perform(request);
        const bool onDisk = stateOf(request.kind).copyChecksum.has_value();
        lock.lock();
        copyOnDisk_[static_cast<size_t>(request.kind)] = onDisk;
        busy_ = false;
        if (requests_.empty())
            idle_.notify_all();
    }
}

void CopyWriter::perform(const Request& request)
{
    KindState& state = stateOf(request.kind);
    switch (request.action) {
    case Action::Write:
        performWrite(*request.snapshot);
        return;
    case Action::Saved:
        state.savedChecksum.reset();
        if (request.snapshot && !nothingToKeep(*request.snapshot))
            state.savedChecksum = snapshotChecksum(*request.snapshot, copyText(*request.snapshot));
        if (request.snapshot)
            break; // the copy goes
        return;    // in no file: a copy already on disk stays until the next write replaces it
    case Action::Remove:
        state.savedChecksum.reset();
        if (request.setAside) {
            for (const std::string& name : namesInFolder(folder_))
                if (const std::optional<RecoveryEntry> e = recoveryEntryOf(name);
                    e && e->what == RecoveryEntry::What::Copy && e->instance == instance_ && e->kind == request.kind)
                    putCopyAside(folder_, name, AsideFolder::Declined);
        }
        break;
    }
    removeCopies(folder_, instance_, request.kind);
    state.copyChecksum.reset();
    setTrouble(request.kind, CopyTrouble::None); // no copy is needed
}

void CopyWriter::performWrite(const CopySnapshot& snapshot)
{
    KindState& state = stateOf(snapshot.kind());
    const std::string text = copyText(snapshot);
    const std::uint64_t checksum = snapshotChecksum(snapshot, text);
    if (nothingToKeep(snapshot) || checksum == state.savedChecksum) {
        removeCopies(folder_, instance_, snapshot.kind());
        state.copyChecksum.reset();
        setTrouble(snapshot.kind(), CopyTrouble::None);
        return;
    }
    const RecoveryNote note = copyNote(snapshot, instance_, pid_);
    if (checksum == state.copyChecksum && note.originalFile == state.copyOriginal) {
        setTrouble(snapshot.kind(), CopyTrouble::None);
        return; // the copy on disk already holds it
    }
    const bool written = writeCopyFolder(folder_, instance_, state.nextNumber, text, note, seams_.hook, seams_.makeWriter);
    const int error = written ? 0 : errno;
    if (written) {
        state.copyChecksum = checksum;
        state.copyOriginal = note.originalFile;
    }
    ++state.nextNumber;
    setTrouble(snapshot.kind(), copyTroubleOf(error, folder_));
}

} // namespace tq
