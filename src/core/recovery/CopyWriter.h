#pragma once
// Writes recovery copies on a thread of its own, so that the window never waits for the disk.
// The window hands over a snapshot of the class or of the favourites; the writer turns it into
// the file's text, checks it against what was last saved and writes it as a copy folder
// (CopyFolders.h). Requests are done in the order they were made, so a removal after a save can
// never be undone by a write requested before it; a write still waiting when a newer one of the
// same kind comes is replaced by it.
#include "core/classdata/StudentRecord.h"
#include "core/recovery/CopyFolders.h"
#include "core/selection/FavouritesFile.h"

#include <array>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <variant>

namespace tq {

// What a copy is made from, taken on the window's thread.
struct CopySnapshot {
    std::variant<ClassList, Favourites> data;
    std::string originalFile; // the class's file; favourites carry their own
    std::time_t changed = 0;  // the teacher's last change

    CopyKind kind() const { return data.index() == 0 ? CopyKind::Class : CopyKind::Favourites; }
};

// The copy's bytes as the class or favourites file would hold them.
std::string copyText(const CopySnapshot& snapshot);
// Its description, without length and checksum (filled in as it is written).
RecoveryNote copyNote(const CopySnapshot& snapshot, const std::string& instance, long pid);
// True when there is nothing to keep: a class without students.
bool nothingToKeep(const CopySnapshot& snapshot);

class CopyWriter {
public:
    CopyWriter(std::string folder, std::string instance, CopyWriteHook hook = {});
    // Does what was handed over, then stops.
    ~CopyWriter();
    CopyWriter(const CopyWriter&) = delete;
    CopyWriter& operator=(const CopyWriter&) = delete;

    // A copy of the data in the snapshot, unless it is what was last saved (then the copy goes).
    void write(CopySnapshot snapshot);
    // The data in the snapshot is now in a file (opened or saved): the copy goes, and no copy is
    // written again while the data stays the same. Without a snapshot: the data is in no file.
    void saved(CopyKind kind, std::optional<CopySnapshot> snapshot);
    // The copy goes; the next change writes one again.
    void remove(CopyKind kind);

    // Waits until everything handed over is done.
    void flush();
    // True when a copy of `kind` is on disk now (after flush: for everything handed over).
    bool hasCopy(CopyKind kind) const;

private:
    enum class Action { Write, Saved, Remove };
    struct Request {
        Action action = Action::Write;
        CopyKind kind = CopyKind::Class;
        std::optional<CopySnapshot> snapshot;
    };
    struct KindState {
        std::optional<std::uint64_t> savedChecksum; // of the text last opened or saved
        std::optional<std::uint64_t> copyChecksum;  // of the copy on disk, when there is one
        std::string copyOriginal;                   // the file its description names
        std::uint64_t nextNumber = 1;
    };

    void hand(Request request);
    void run();
    void perform(const Request& request);
    void performWrite(const CopySnapshot& snapshot);
    KindState& stateOf(CopyKind kind) { return kinds_[static_cast<size_t>(kind)]; }

    const std::string folder_;
    const std::string instance_;
    const long pid_;
    const CopyWriteHook hook_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Request> requests_;
    bool busy_ = false;
    bool stopping_ = false;
    std::array<KindState, 2> kinds_{};           // the writer thread's alone
    std::array<bool, 2> copyOnDisk_{false, false}; // under mutex_
    std::thread thread_;
};

} // namespace tq
