#include "core/recovery/RecoveryCopies.h"

#include "core/base/OnceAnInterval.h"
#include "core/recovery/CopyWriter.h"

namespace tq {

RecoveryCopies::RecoveryCopies() = default;

RecoveryCopies::~RecoveryCopies()
{
    writer_.reset(); // does what was asked for first
}

bool RecoveryCopies::start(const ClassList& students, const Favourites& favourites, Settings settings)
{
    if (active() || settings.folder.empty() || !settings.runLater || !makeRecoveryFolder(settings.folder))
        return false;
    if (settings.instance.empty())
        settings.instance = newInstanceId();
    InstanceLock lock = InstanceLock::take(settings.folder + "/" + lockFileName(settings.instance));
    if (!lock.held())
        return false;
    settings_ = std::move(settings);
    lock_ = std::move(lock);
    students_ = &students;
    favourites_ = &favourites;
    writer_ = std::make_unique<CopyWriter>(settings_.folder, settings_.instance, settings_.writeHook);
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
    p.changed = false;
    p.lastSnapshot = settings_.now();
    writer_->write(snapshotOf(kind));
}

CopySnapshot RecoveryCopies::snapshotOf(CopyKind kind) const
{
    const Pending& p = pending_[static_cast<size_t>(kind)];
    if (kind == CopyKind::Class)
        return CopySnapshot{*students_, classOriginal_, p.lastChange};
    return CopySnapshot{*favourites_, std::string(), p.lastChange};
}

void RecoveryCopies::classChanged()
{
    changed(CopyKind::Class);
}

void RecoveryCopies::classOpened(const std::string& path)
{
    classSaved(path);
}

void RecoveryCopies::classSaved(const std::string& path)
{
    if (!active())
        return;
    classOriginal_ = path;
    pending(CopyKind::Class).changed = false;
    writer_->saved(CopyKind::Class, snapshotOf(CopyKind::Class));
}

void RecoveryCopies::classStarted()
{
    if (!active())
        return;
    classOriginal_.clear();
    writer_->saved(CopyKind::Class, std::nullopt);
    classChanged();
}

void RecoveryCopies::classDiscarded()
{
    discarded(CopyKind::Class);
}

void RecoveryCopies::discarded(CopyKind kind)
{
    if (!active())
        return;
    pending(kind).changed = false;
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
    p.lastSnapshot = settings_.now();
    writer_->write(snapshotOf(kind));
    writer_->flush();
    return writer_->hasCopy(kind);
}

void RecoveryCopies::flush()
{
    if (writer_)
        writer_->flush();
}

void RecoveryCopies::finish()
{
    if (!active())
        return;
    writer_.reset();
    lock_.removeFile();
}

} // namespace tq
