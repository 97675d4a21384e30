// The main window's Initial Values Setup command: a favourites file with ranges is asked for
// when none is open, the main window hides while the ranges are set up, and on the way back it
// shows the saved favourites with Initial Values ticked.
#include "core/initialvalues/InitialValuesSetup.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/main/frmEntry.h"

#include <QCheckBox>

namespace tq {

void frmEntry::mnuAutoFill_Click()
{
    if (autoFillWindow)
        return;
    if (!initialValuesEditable(state_.favourites))
        openFavourites();
    if (!initialValuesEditable(state_.favourites)) {
        showMessage(initialValuesNeedFavouritesMessage());
        return;
    }
    hideForWorkingWindow();
    autoFillWindow = new frmAutoFill(state_, dialogs_, this);
    connect(autoFillWindow, &frmAutoFill::returned, this, [this] { returnFromAutoFill(); });
    autoFillWindow->Form_Load();
}

void frmEntry::returnFromAutoFill()
{
    // The window may have opened another file; the list shows whatever is open now.
    showEditedFavourites();
    showAfterWorkingWindow();
}

} // namespace tq
