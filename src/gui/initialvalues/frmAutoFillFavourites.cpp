// The favourites file of Initial Values Setup: its list beside the grid, the palette of codes;
// opening another file, which first saves the one open.
#include "core/base/TeacherFolder.h"
#include "core/program/ProgramState.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesList.h"

#include <QFile>
#include <QLabel>

namespace tq {

void frmAutoFill::showFavourites()
{
    // The caption holds a path, which is in the file system's encoding rather than the code page.
    lblFavouriteFile->setFullText(QFile::decodeName(favouritesCaption(state_.favourites.favouritesFile).c_str()));
    lstFavourites->showFavourites(state_.favourites, state_.phrases);
}

void frmAutoFill::cmdOpenFavourites_Click()
{
    // The edits made here must reach the disk before another file replaces them in memory.
    if (!state_.favourites.favouritesFile.empty()) {
        if (MaybeMessage m = saveFavourites(state_.favourites)) {
            showMessage(*m);
            return;
        }
        state_.recovery.favouritesSaved();
    }
    openFavourites();
}

void frmAutoFill::openFavourites()
{
    const std::string& teacherFolder = state_.folders.teacherFolder;
    const QString folder = teacherFolderFound(teacherFolder) ? QFile::decodeName(teacherFolder.c_str()) : QString();
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Open Favourites"),
                                             QStringLiteral("Tallyquill Favourites (*.tqf)|*.tqf"), folder);
    if (chosen.isEmpty()) {
        if (state_.favourites.favouritesFile.empty())
            close(); // nothing to set up
        return;
    }
    state_.favourites.favouritesFile = QFile::encodeName(chosen).toStdString();
    if (MaybeMessage refused = readFavourites(state_.favourites, state_.phrases)) {
        showMessage(*refused);
        // A refused file is not the teacher's favourites: leaving must not write over it.
        state_.favourites.favouritesFile.clear();
    }
    state_.recovery.favouritesSaved(); // what memory holds is the file's, or nothing
    showFavourites();
    fillflexGrid();
    displayDetails(1);
    discardUndo();
}

} // namespace tq
