// The main window's class commands: open, save, sort and update.
#include "core/classdata/ClassFile.h"
#include "core/classdata/ClassSort.h"
#include "core/classdata/ClassUpdate.h"
#include "core/classdata/DropReview.h"
#include "core/classdata/MasterFile.h"
#include "gui/main/ClassFileStatus.h"
#include "gui/main/frmEntry.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/FileQuestions.h"

#include <QFile>

namespace tq {

namespace {
const QString classFilter = QStringLiteral("Tallyquill Classes (*.tqc)|*.tqc");

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString displayPath(const std::string& path) { return QFile::decodeName(path.c_str()); }
} // namespace

void frmEntry::OpenClassFile()
{
    if (!offerToSaveClass(QStringLiteral("Do you want to save the current class?"), QStringLiteral("Open New Class")))
        return;
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Open Class File"), classFilter,
                                             displayPath(fileDialogFolder(state_.folders)));
    if (!chosen.isEmpty()) {
        state_.firstFileDialog = false;
        openClass(nativePath(chosen));
    }
    if (state_.studentCount() > 0)
        commands_->setClassCommandsEnabled(true);
}

void frmEntry::openClassFromCommandLine(const std::string& path)
{
    // No file dialog was completed yet, so the first class dialog still starts in the teacher's
    // folder. A class restored from a recovery copy may be open: it is offered for saving first.
    if (!offerToSaveClass(QStringLiteral("Do you want to save the current class?"), QStringLiteral("Open New Class")))
        return;
    openClass(path);
    if (state_.studentCount() > 0)
        commands_->setClassCommandsEnabled(true);
}

void frmEntry::openClass(const std::string& path)
{
    std::optional<FileClaim> claim = claimToOpen(dialogs_, this, state_, state_.classOpen, path);
    if (!claim)
        return;
    // The file is read into a class of its own: a refused file leaves the open class as it was.
    state_.knownFiles.remember(path);
    std::variant<ClassList, Message> read = readClassFile(path);
    if (const Message* refused = std::get_if<Message>(&read)) {
        showMessage(*refused);
        return;
    }
    state_.students = std::move(std::get<ClassList>(read));
    adoptClaim(state_.classOpen, std::move(*claim), path);
    state_.recovery.classOpened(path);
    rememberFolderOf(state_.folders, path);
    clearUndo();
    fillflexGrid();
    classFile_->showFile(path, state_.classOpen.readOnly, state_.classOpen.unprotected);
}

void frmEntry::saveCommand()
{
    if (state_.studentCount() < 1)
        return;
    commitOpenEntry(); // as Enter: the class saved is the one the window shows, the next mark the next student's
    reorderKeepingPlace([this] {
        sortByName(state_.students);
        classChanged();
    });
    saveas();
}

bool frmEntry::saveas()
{
    // A class restored from a recovery copy goes back to the file it came from, if the teacher wishes.
    const std::string proposed =
        !classFile_->restoredFrom().empty() ? fileNameOf(classFile_->restoredFrom())
                               : classFileBaseName(state_.students.empty() ? std::string() : state_.students.front().courseCode);
    std::string path;
    for (bool chosen = false; !chosen;) {
        const QString answer = dialogs_.saveFile(this, QStringLiteral("Save Class File"), classFilter,
                                                 displayPath(fileDialogFolder(state_.folders)),
                                                 QString::fromStdString(proposed));
        if (answer.isEmpty())
            return false;
        state_.firstFileDialog = false;
        path = nativePath(answer);
        const BeforeWritingAnswer before = askBeforeWriting(dialogs_, this, state_, state_.classOpen, path);
        if (before == BeforeWritingAnswer::Cancel)
            return false;
        chosen = before == BeforeWritingAnswer::Write;
    }
    if (const std::string unprotected = unprotectedWarningOnce(state_.classOpen, path); !unprotected.empty())
        dialogs_.message(this, QString::fromUtf8(unprotected), QString::fromLatin1(programTitle));
    if (!saveClassFile(path, state_.students)) {
        // Saying nothing here would let a teacher leave believing the class was saved.
        dialogs_.message(this,
                         QStringLiteral("TQTemp: The class could not be saved as ") + displayPath(path) +
                             QStringLiteral(". The file that was there before, if any, is unchanged. Please save "
                                            "the class in another folder."),
                         QString::fromLatin1(programTitle));
        return false;
    }
    state_.recovery.classSaved(path);
    state_.knownFiles.remember(path);
    savedAs(state_.classOpen, path, state_.clock());
    rememberFolderOf(state_.folders, path);
    classFile_->showFile(path, false, state_.classOpen.unprotected);
    confirmDone(QStringLiteral("Saved as ") + displayPath(fileNameOf(path)) + QLatin1Char('.'));
    return true;
}

void frmEntry::sortCommand(void (*sort)(ClassList&))
{
    if (state_.studentCount() < 1)
        return;
    reorderKeepingPlace([this, sort] {
        sort(state_.students);
        classChanged();
    });
    clearUndo();
}

void frmEntry::updateCommand()
{
    if (!dialogs_.question(this,
                           QStringLiteral("Update will update your class(s) with the current students. Some students "
                                          "may be dropped and others added. This is NECESSARY in order to efile an old "
                                          "class. Proceed?"),
                           QStringLiteral("Update Class List")))
        return;
    // The update works on a sorted copy, so that a refused or declined update leaves the class
    // exactly as it was, in its order too.
    ClassList updated = state_.students;
    sortByName(updated);
    const ClassUpdateResult result = updateClassFromMaster(updated, masterFilePath(state_.folders.dataFolder),
                                                           state_.clock, updateListCapacity, updateListCapacity,
                                                           state_.pause);
    if (result.failed) {
        if (result.message)
            showMessage(*result.message);
        return;
    }
    if (!result.droppedStudents.empty() &&
        !ui::confirmDrops(dialogs_, this, reviewDrops(state_.students, updated, result.droppedStudents)))
        return;
    sortByName(updated);
    applyUpdatedClass(std::move(updated));
}

void frmEntry::applyUpdatedClass(ClassList updated)
{
    if (updated == state_.students)
        return;
    // One undo brings the whole class back as it was, dropped students and all.
    undoStack_.pushWholeClass(state_.students);
    showUndoState();
    reorderKeepingPlace([this, &updated] {
        state_.students = std::move(updated);
        classChanged();
    });
}

} // namespace tq
