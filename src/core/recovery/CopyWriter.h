#pragma once
// Writes recovery copies on a thread of its own, so that the window never waits for the disk.
// The window hands over a snapshot of the class or of the favourites; the writer turns it into
// the file's text, checks it against what was last saved and writes it as a copy folder
// (CopyFolders.h). Requests are done in the order they were made, so a removal after a save can
// never be undone by a write requested before it; a write still waiting when a newer one of the
// same kind comes is replaced by it. A write that fails is told of (CopyTrouble.h).
#include "core/classdata/StudentRecord.h"
#include "core/recovery/CopyFolders.h"
#include "core/recovery/CopyTrouble.h"
#include "core/selection/FavouritesFile.h"

#include <array>
#include <condition_variable>
#include <ctime>
#include <deque>
#include <functional>
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
    std::optional<FreeFormDraft> draft = std::nullopt; // a free-form comment being written

    CopyKind kind() const { return data.index() == 0 ? CopyKind::Class : CopyKind::Favourites; }
};

// The copy's bytes as the class or favourites file would hold them.
std::string copyText(const CopySnapshot& snapshot);
// Its description, without length and checksum (filled in as it is written).
RecoveryNote copyNote(const CopySnapshot& snapshot, const std::string& instance, long pid);
// True when there is nothing to keep: a class without students.
bool nothingToKeep(const CopySnapshot& snapshot);
// What a copy holds, to compare with what was saved: the copy's bytes and a draft with them.
std::uint64_t snapshotChecksum(const CopySnapshot& snapshot, std::string_view text);

class CopyWriter {
public:
    struct Seams {
        CopyWriteHook hook;           // tests stop the program in the middle of a write
        ByteWriterFactory makeWriter; // tests give writers that fail
        // Called on the writer's thread whenever trouble() changes.
        std::function<void()> troubleChanged;
    };
    CopyWriter(std::string folder, std::string instance, Seams seams = {});
    // Does what was handed over, then stops.
    ~CopyWriter();
    CopyWriter(const CopyWriter&) = delete;
    CopyWriter& operator=(const CopyWriter&) = delete;

    // A copy of the data in the snapshot, unless it is what was last saved (then the copy goes).
    void write(CopySnapshot snapshot);
    // The data in the snapshot is now in a file (opened or saved): the copy goes, and no copy is
    // written again while the data stays the same. Without a snapshot: the data is in no file.
    void saved(CopyKind kind, std::optional<CopySnapshot> snapshot);
    // The copy goes; the next change writes one again. Set aside, it is moved whole into the
    // "declined" folder instead of being removed.
    void remove(CopyKind kind, bool setAside = false);

    // Waits until everything handed over is done.
    void flush();
    // True when a copy of `kind` is on disk now (after flush: for everything handed over).
    bool hasCopy(CopyKind kind) const;
    // Why copies cannot be written; None once every kind whose copy failed has one written again
    // (or needs none: saved, removed).
    CopyTrouble trouble() const;
    // True while the last copy of `kind` asked for could not be written and none is needed less.
    bool copyFailed(CopyKind kind) const;

private:
    enum class Action { Write, Saved, Remove };
    struct Request {
        Action action = Action::Write;
        CopyKind kind = CopyKind::Class;
        std::optional<CopySnapshot> snapshot;
        bool setAside = false;
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
    // The outcome of the request just done for `kind`: its copy failed for `trouble`, or it
    // needs none or has one (None).
    void setTrouble(CopyKind kind, CopyTrouble trouble);
    KindState& stateOf(CopyKind kind) { return kinds_[static_cast<size_t>(kind)]; }

    const std::string folder_;
    const std::string instance_;
    const long pid_;
    const Seams seams_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Request> requests_;
    bool busy_ = false;
    bool stopping_ = false;
    std::array<KindState, 2> kinds_{};           // the writer thread's alone
    std::array<bool, 2> copyOnDisk_{false, false}; // under mutex_
    std::array<bool, 2> copyFailed_{false, false}; // under mutex_
    CopyTrouble trouble_ = CopyTrouble::None;      // under mutex_
    std::thread thread_;
};

} // namespace tq
