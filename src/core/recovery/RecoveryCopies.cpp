#include "core/recovery/RecoveryCopies.h"

#include "core/base/OnceAnInterval.h"
#include "core/recovery/CopyWriter.h"

#include <algorithm>
#include <cerrno>

namespace tq {

RecoveryCopies::RecoveryCopies() = default;

RecoveryCopies::~RecoveryCopies()
{
    writer_.reset(); // does what was asked for first
}

bool RecoveryCopies::start(const ClassList& students, const Favourites& favourites, Settings settings)
{
    if (active() || settings.folder.empty() || !settings.runLater)
        return false;
    const auto failed = [this, &settings] {
        startTrouble_ = copyTroubleOf(errno != 0 ? errno : EIO, settings.folder);
        return false;
    };
    errno = 0;
    if (!makeRecoveryFolder(settings.folder))
        return failed();
    if (settings.instance.empty())
        settings.instance = newInstanceId();
    InstanceLock lock = InstanceLock::take(settings.folder + "/" + lockFileName(settings.instance));
    if (!lock.held())
        return failed();
    startTrouble_ = CopyTrouble::None;
    settings_ = std::move(settings);
    lock_ = std::move(lock);
    students_ = &students;
    favourites_ = &favourites;
    writer_ = std::make_unique<CopyWriter>(
        settings_.folder, settings_.instance,
        CopyWriter::Seams{settings_.writeHook, settings_.makeWriter, settings_.troubleChanged});
    return true;
}

void RecoveryCopies::changed(CopyKind kind)
{
    if (!active())
        return;
    Pending& p = pending(kind);
    p.changed = true;
    p.lastChange = settings_.wallClock();
    schedule(kind);
}

void RecoveryCopies::schedule(CopyKind kind)
{
    Pending& p = pending(kind);
    if (p.scheduled)
        return;
    p.scheduled = true;
    const Delay delay = delayBeforeNext(p.lastSnapshot, settings_.now(), settings_.interval);
    settings_.runLater(delay, [this, kind, alive = std::weak_ptr<char>(alive_)] {
        if (alive.lock())
            takeSnapshot(kind);
    });
}

void RecoveryCopies::takeSnapshot(CopyKind kind)
{
    Pending& p = pending(kind);
    p.scheduled = false;
    if (!p.changed || !active())
        return;
    copyChangesNow(kind);
}

void RecoveryCopies::copyChangesNow(CopyKind kind)
{
    Pending& p = pending(kind);
    p.changed = false;
    p.lastSnapshot = settings_.now();
    writer_->write(snapshotOf(kind));
}

CopySnapshot RecoveryCopies::snapshotOf(CopyKind kind) const
{
    const Pending& p = pending_[static_cast<size_t>(kind)];
    if (kind == CopyKind::Class)
        return CopySnapshot{*students_, classOriginal_, p.lastChange, draft_};
    return CopySnapshot{*favourites_, std::string(), p.lastChange};
}

void RecoveryCopies::classChanged()
{
    changed(CopyKind::Class);
}

void RecoveryCopies::classOpened(const std::string& path)
{
    replaced(CopyKind::Class);
    classSaved(path);
}

void RecoveryCopies::replaced(CopyKind kind)
{
    if (!active() || !pending(kind).restored)
        return;
    pending(kind).restored = false;
    writer_->remove(kind, true);
}

void RecoveryCopies::classSaved(const std::string& path)
{
    if (!active())
        return;
    classOriginal_ = path;
    pending(CopyKind::Class).changed = false;
    pending(CopyKind::Class).restored = false;
    writer_->saved(CopyKind::Class, snapshotOf(CopyKind::Class));
}

void RecoveryCopies::classStarted()
{
    if (!active())
        return;
    replaced(CopyKind::Class);
    classOriginal_.clear();
    writer_->saved(CopyKind::Class, std::nullopt);
    classChanged();
}

void RecoveryCopies::classDiscarded()
{
    discarded(CopyKind::Class);
}

void RecoveryCopies::classNotSaved()
{
    if (active() && pending(CopyKind::Class).restored && pending(CopyKind::Class).changed)
        copyChangesNow(CopyKind::Class);
}

void RecoveryCopies::freeFormDraft(std::optional<FreeFormDraft> draft)
{
    if (draft == draft_)
        return;
    draft_ = std::move(draft);
    classChanged();
}

void RecoveryCopies::discarded(CopyKind kind)
{
    if (!active())
        return;
    Pending& p = pending(kind);
    if (p.restored && p.changed)
        copyChangesNow(kind); // set aside with every change
    p.changed = false;
    if (p.restored) {
        replaced(kind);
        return;
    }
    writer_->remove(kind);
}

void RecoveryCopies::favouritesChanged()
{
    changed(CopyKind::Favourites);
}

void RecoveryCopies::favouritesSaved()
{
    if (!active())
        return;
    pending(CopyKind::Favourites).changed = false;
    pending(CopyKind::Favourites).restored = false;
    writer_->saved(CopyKind::Favourites, snapshotOf(CopyKind::Favourites));
}

void RecoveryCopies::favouritesDiscarded()
{
    discarded(CopyKind::Favourites);
}

bool RecoveryCopies::keepRestored(CopyKind kind, const std::string& originalFile, std::time_t changed)
{
    if (!active())
        return false;
    Pending& p = pending(kind);
    if (kind == CopyKind::Class)
        classOriginal_ = originalFile;
    writer_->saved(kind, std::nullopt);
    p.changed = false;
    p.lastChange = changed;
    p.restored = true;
    p.lastSnapshot = settings_.now();
    writer_->write(snapshotOf(kind));
    writer_->flush();
    return writer_->hasCopy(kind);
}

void RecoveryCopies::copyNow()
{
    if (!active())
        return;
    for (const CopyKind kind : {CopyKind::Class, CopyKind::Favourites})
        if (pending(kind).changed)
            copyChangesNow(kind);
    writer_->flush();
}

void RecoveryCopies::flush()
{
    if (writer_)
        writer_->flush();
}

CopyTroubleNews RecoveryCopies::troubleNews()
{
    const CopyTrouble now = writer_ ? writer_->trouble() : startTrouble_;
    if (now != CopyTrouble::None)
        scheduleRetry();
    return troubleReport_.update(now);
}

void RecoveryCopies::scheduleRetry()
{
    if (!active() || retryScheduled_)
        return;
    retryScheduled_ = true;
    // Never more often than a second, whatever the interval: a failing disk is not hammered.
    settings_.runLater(std::max(settings_.interval, Delay{1000}), [this, alive = std::weak_ptr<char>(alive_)] {
        if (alive.lock())
            retryFailedCopies();
    });
}

void RecoveryCopies::retryFailedCopies()
{
    retryScheduled_ = false;
    if (!active() || writer_->trouble() == CopyTrouble::None)
        return;
    for (const CopyKind kind : {CopyKind::Class, CopyKind::Favourites})
        if (writer_->copyFailed(kind))
            copyChangesNow(kind); // what the data is now
    scheduleRetry(); // should this try fail too
}

void RecoveryCopies::finish()
{
    if (!active())
        return;
    writer_.reset();
    lock_.removeFile();
}

} // namespace tq
