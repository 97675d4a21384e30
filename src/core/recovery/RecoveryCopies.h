#pragma once
// Recovery copies of the work the teacher has not saved: while the class or the favourites
// hold changes that are in no file, a copy of them is kept in the program's own recovery folder,
// so that a crash, a power cut or a killed session costs at most the last moments of work.
//
// The windows tell this object what happened (a change, a save, an open); it never looks at a
// window. A change marks the data as changed and asks for a snapshot at the end of the current
// event (the window's own handling of the change is complete by then), or, when a copy was taken
// less than an interval ago, once the interval is over: however fast the teacher works, the
// window copies the data at most once an interval, and the disk is written on a thread of its
// own (CopyWriter.h). Everything here runs on the window's thread.
//
// Until start() succeeds nothing is kept and every call does nothing, so windows in tests and
// programs without a recovery folder need no checks.
#include "core/base/Clock.h"
#include "core/classdata/StudentRecord.h"
#include "core/recovery/CopyFolders.h"
#include "core/recovery/CopyTrouble.h"
#include "core/base/InstanceLock.h"
#include "core/selection/FavouritesFile.h"

#include <array>
#include <chrono>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tq {

class CopyWriter;
struct CopySnapshot;

class RecoveryCopies {
public:
    using Delay = std::chrono::milliseconds;
    using TimePoint = std::chrono::steady_clock::time_point;
    // Runs a task on the window's thread once the delay is over (0: at the end of the event).
    using RunLater = std::function<void(Delay, std::function<void()>)>;

    static constexpr Delay defaultInterval{2000};

    struct Settings {
        std::string folder;
        std::string instance; // a new id when empty
        Delay interval = defaultInterval;
        RunLater runLater;
        std::function<TimePoint()> now = [] { return std::chrono::steady_clock::now(); };
        Clock wallClock = systemClock();
        CopyWriteHook writeHook;      // tests stop the program in the middle of a write
        ByteWriterFactory makeWriter; // tests give writers that fail
        // Called on the writer's thread when copies start or stop failing: the window then asks
        // troubleNews() on its own thread.
        std::function<void()> troubleChanged;
    };

    RecoveryCopies();
    ~RecoveryCopies();
    RecoveryCopies(const RecoveryCopies&) = delete;
    RecoveryCopies& operator=(const RecoveryCopies&) = delete;

    // Keeps copies of `students` and `favourites` from now on, in `settings.folder`. False (and
    // nothing kept) when the folder cannot be made or the instance's lock cannot be taken; the
    // trouble is then told as a failed write's is.
    bool start(const ClassList& students, const Favourites& favourites, Settings settings);
    bool active() const { return writer_ != nullptr; }
    const std::string& folder() const { return settings_.folder; }
    const std::string& instance() const { return settings_.instance; }

    // The class. A change of any kind: an entry, an undo, a sort, an update.
    void classChanged();
    // The class in memory is the one in `path`, just opened or saved: no copy is needed. A class
    // restored from a copy that the teacher let go of without saving it (opened, started or
    // discarded over it) is not removed but set aside, as a copy declined at start-up is.
    void classOpened(const std::string& path);
    void classSaved(const std::string& path);
    // A class read from no file took the place of the open one (a new class from the master list).
    void classStarted();
    // The teacher chose not to save the class (No at Exit): its copy goes.
    void classDiscarded();
    // The teacher chose not to save the class, which may be replaced next: its changes not yet
    // copied are copied now, so that a restored class is set aside with all of them.
    void classNotSaved();
    // The free-form comment being written for a student, or none once the dialog has closed:
    // it is unsaved work, copied with the class.
    void freeFormDraft(std::optional<FreeFormDraft> draft);
    // The file the open class came from or was last saved to; "" for none.
    const std::string& classOriginalFile() const { return classOriginal_; }

    // The favourites list and its ranges: a change, and a save (also an open of another file, or
    // a new list: what memory holds is then in a file, or is nothing to lose).
    void favouritesChanged();
    void favouritesSaved();
    // The teacher chose not to keep the favourites' edits (No at Exit): their copy goes.
    void favouritesDiscarded();

    // A copy restored at start-up, now in memory, becomes this program's own: its copy is
    // written at once, with the original file and the time of the last change it had. True
    // once it is on disk; only then may the copy it came from go.
    bool keepRestored(CopyKind kind, const std::string& originalFile, std::time_t changed);

    // Copies every change not yet copied at once, whatever the interval, and waits until it is
    // written: the program is about to end without asking.
    void copyNow();
    // Waits until every copy asked for is written or removed.
    void flush();
    // On the window's thread: what to say about copies that cannot be written (CopyTrouble.h).
    // While they cannot, the copies that failed are tried again once an interval, unasked: the
    // moment the disk takes them again (room made, the folder mended) they are on it, and only
    // then does the trouble end.
    CopyTroubleNews troubleNews();
    // The program's normal end: what was asked for is done, and the lock is let go of. Copies
    // still kept (favourites that could not be saved, a class the program ended without asking
    // about) stay for the next start.
    void finish();

private:
    struct Pending {
        bool changed = false;   // changes not yet in a snapshot
        bool scheduled = false; // a snapshot is due
        std::optional<TimePoint> lastSnapshot;
        std::time_t lastChange = 0;
        bool restored = false;  // restored from a copy and not saved since
    };

    void changed(CopyKind kind);
    void discarded(CopyKind kind);
    void replaced(CopyKind kind); // the data in memory is no longer what it was
    void schedule(CopyKind kind);
    void takeSnapshot(CopyKind kind);
    void copyChangesNow(CopyKind kind);
    void scheduleRetry();
    void retryFailedCopies();
    CopySnapshot snapshotOf(CopyKind kind) const;
    Pending& pending(CopyKind kind) { return pending_[static_cast<size_t>(kind)]; }

    Settings settings_;
    const ClassList* students_ = nullptr;
    const Favourites* favourites_ = nullptr;
    std::string classOriginal_;
    std::optional<FreeFormDraft> draft_;
    CopyTrouble startTrouble_ = CopyTrouble::None;
    CopyTroubleReport troubleReport_;
    std::array<Pending, 2> pending_{};
    bool retryScheduled_ = false;
    InstanceLock lock_;
    std::unique_ptr<CopyWriter> writer_;
    std::shared_ptr<char> alive_ = std::make_shared<char>(); // tasks run later check it
};

} // namespace tq
