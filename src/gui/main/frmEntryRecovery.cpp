// The main window's part in the recovery copies: each change of the class is reported, copies
// that cannot be written are told of, and once the window is up the copies left by a session
// that did not end normally are offered back.
#include "core/recovery/LeftCopies.h"
#include "core/recovery/RecoveryTexts.h"
#include "gui/main/ClassFileStatus.h"
#include "gui/main/RecoveryTroubleLine.h"
#include "gui/main/frmEntry.h"
#include "gui/reports/frmSummary.h"
#include "gui/recovery/RecoveryStart.h"
#include "gui/widgets/Dialogs.h"

namespace tq {

void frmEntry::classChanged()
{
    state_.recovery.classChanged();
    if (working.summaryWindow)
        working.summaryWindow->refresh(); // at the end of the event, so it may come before the change
}

void frmEntry::startRecoveryCopies(RecoveryCopies::Settings settings)
{
    settings.troubleChanged = [this] { showRecoveryTrouble(); };
    const bool started = startRecovery(state_, this, std::move(settings));
    showRecoveryTrouble(); // a folder that cannot be used
    if (started)
        offerRecoveryCopies();
}

void frmEntry::showRecoveryTrouble()
{
    const CopyTroubleNews news = state_.recovery.troubleNews();
    recoveryTrouble_->show(news.line);
    if (news.tell)
        dialogs_.message(this, QString::fromUtf8(news.line), QString::fromLatin1(programTitle),
                         ui::Dialogs::Icon::Exclamation);
}

void frmEntry::offerRecoveryCopies()
{
    RecoveryCopies& recovery = state_.recovery;
    if (!recovery.active())
        return;
    removeOldDeclinedCopies(recovery.folder(), state_.clock());
    LeftCopies left(recovery.folder(), recovery.instance(), state_.phrases);
    for (const DamagedCopy& damaged : left.damaged()) {
        const RecoveryText m = damagedCopyMessage(damaged, recovery.folder());
        dialogs_.message(this, QString::fromUtf8(m.text), QString::fromUtf8(m.title), ui::Dialogs::Icon::Exclamation);
    }
    bool restored[2] = {false, false}; // one class and one favourites list can be open
    std::optional<FreeFormDraft> draft; // a free-form comment the restored class was having written
    for (const LeftCopy& copy : left.copies()) {
        bool& kindRestored = restored[static_cast<size_t>(copy.kind())];
        const RecoveryText q =
            kindRestored ? keepForLaterQuestion(copy, recovery.folder()) : restoreQuestion(copy, recovery.folder());
        const ui::Dialogs::Answer answer =
            dialogs_.questionWithCancel(this, QString::fromUtf8(q.text), QString::fromUtf8(q.title));
        if (answer == ui::Dialogs::Answer::Cancel)
            continue; // left as it is, and asked about at the next start
        if (answer == ui::Dialogs::Answer::No) {
            left.decline(copy);
            continue;
        }
        if (kindRestored)
            continue; // kept for the next start
        kindRestored = true;
        if (copy.kind() == CopyKind::Class) {
            // The restored class is open as if it had just been made: the class commands work,
            // the save dialog proposes the file it came from (asking before it replaces it), and
            // the status line says it is not saved.
            state_.students = std::get<ClassList>(copy.data);
            state_.classOpen = OpenedFile{};
            clearUndo();
            fillflexGrid();
            commands_->setClassCommandsEnabled(true);
            classFile_->showRestored(copy.note.originalFile);
            rememberFolderOf(state_.folders, copy.note.originalFile); // the class dialogs start there
            draft = copy.note.draft;
            recovery.freeFormDraft(draft); // in this program's copy too, until the dialog takes it over
        } else {
            state_.favourites = std::get<Favourites>(copy.data);
            state_.favouritesOpen = OpenedFile{};
            state_.favouritesStatus.fileText.clear();
            favouritesRestored(state_);
            showOpenedFavourites();
        }
        // The copy found goes only once this program's own copy of it is on disk.
        if (recovery.keepRestored(copy.kind(), copy.note.originalFile, copy.note.changed))
            left.discard(copy);
    }
    if (draft)
        resumeFreeFormDraft(*draft);
}

} // namespace tq
