// The main window's switch to Comment Selection: the main window hides while the teacher
// works on the favourites, and comes back showing the list as it is now.
#include "gui/main/frmEntry.h"
#include "gui/selection/frmSelection.h"
#include "gui/widgets/FavouritesList.h"

#include <QCheckBox>
#include <QListWidget>

namespace tq {

void frmEntry::mnuSelection_Click()
{
    if (selectionWindow)
        return;
    hideForWorkingWindow();
    selectionWindow = new frmSelection(state_, dialogs_, this);
    connect(selectionWindow, &frmSelection::returned, this, [this] { returnFromSelection(); });
    selectionWindow->Form_Load();
}

void frmEntry::returnFromSelection()
{
    // The window deletes itself once closed; the teacher may open a new one at once.
    selectionWindow = nullptr;
    showEditedFavourites();
    showAfterWorkingWindow();
}

} // namespace tq
