#include "gui/widgets/FavouritesFileDialogs.h"

#include "core/program/ProgramState.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/FileQuestions.h"

#include <QFile>

namespace tq {

namespace {
const QString filter = QString::fromLatin1(favouritesFileFilter);
}

QString FavouritesFileDialogs::dialogFolder() const
{
    return QFile::decodeName(fileDialogFolder(state_.folders).c_str());
}

FavouritesFileDialogs::Opened FavouritesFileDialogs::open()
{
    const QString chosen = dialogs_.openFile(window_, QStringLiteral("Open Favourites"), filter, dialogFolder());
    if (chosen.isEmpty())
        return Opened::Cancelled;
    const std::string path = QFile::encodeName(chosen).toStdString();
    std::optional<FileClaim> claim = claimToOpen(dialogs_, window_, state_, state_.favouritesOpen, path);
    if (!claim)
        return Opened::Cancelled;
    if (MaybeMessage refused = openFavourites(state_, path, std::move(*claim))) {
        ui::showMessage(dialogs_, window_, *refused);
        return Opened::Refused;
    }
    if (MaybeMessage notice = favouritesLibraryNotice(state_))
        ui::showMessage(dialogs_, window_, *notice);
    return Opened::Read;
}

bool FavouritesFileDialogs::save()
{
    if (savesUnderItsName(state_))
        return write(state_.favourites.favouritesFile, false);
    return saveAs();
}

bool FavouritesFileDialogs::saveAs()
{
    const QString chosen =
        dialogs_.saveFile(window_, QStringLiteral("Save As Favourites"), filter, dialogFolder(), QString());
    if (chosen.isEmpty())
        return false;
    const std::string path = QFile::encodeName(chosen).toStdString();
    // A file the program could not read may still be the teacher's only copy of a term's list.
    const bool refused = isRefusedFavouritesFile(state_, path);
    if (refused && !dialogs_.questionDefaultNo(window_, QString::fromUtf8(replaceRefusedQuestion(path)),
                                               QString::fromLatin1(replaceRefusedTitle)))
        return false;
    return write(path, refused);
}

bool FavouritesFileDialogs::write(const std::string& path, bool replaceRefused)
{
    switch (askBeforeWriting(dialogs_, window_, state_, state_.favouritesOpen, path)) {
    case BeforeWritingAnswer::Write: break;
    case BeforeWritingAnswer::SaveAs: return saveAs();
    case BeforeWritingAnswer::Cancel: return false;
    }
    if (MaybeMessage m = saveFavouritesTo(state_, path, replaceRefused)) {
        ui::showMessage(dialogs_, window_, *m);
        return false;
    }
    return true;
}

bool FavouritesFileDialogs::offerToSave(const QString& question, const QString& title)
{
    switch (dialogs_.questionWithCancel(window_, question, title)) {
    case ui::Dialogs::Answer::Yes: return save();
    case ui::Dialogs::Answer::No: return true;
    case ui::Dialogs::Answer::Cancel: break;
    }
    return false;
}

bool FavouritesFileDialogs::saveOnLeaving(bool saveNamed)
{
    if (savesUnderItsName(state_)) {
        // A file that cannot be written now (a removable disk pulled out) is reported; the edits
        // stay in the program, where Exit asks about them again. A list as its file holds it is
        // not written: another copy of the program may have saved the file since.
        if (!favouritesDifferFromFile(state_))
            favouritesAsInFile(state_);
        else if (saveNamed)
            save();
        return true;
    }
    const bool opened = !state_.favourites.favouritesFile.empty() && !favouritesDifferFromFile(state_);
    return opened || !state_.favouritesStatus.unsaved || saveAs();
}

} // namespace tq
