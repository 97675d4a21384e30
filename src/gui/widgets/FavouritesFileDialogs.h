#pragma once
// The favourites file commands as the teacher meets them in the main window, Comment Selection
// and Initial Values Setup alike: the open dialog, Save and Save As, and the questions before the
// list is replaced, a working window is left or the program ends. The rules are the core's
// (core/program/FavouritesKeeping.h); this shows the dialogs and the messages around them.
#include <QString>

#include <string>

class QWidget;

namespace tq {

struct ProgramState;
namespace ui {
class Dialogs;
}

inline constexpr const char* favouritesFileFilter = "Tallyquill Favourites (*.tqf)|*.tqf";

class FavouritesFileDialogs {
public:
    FavouritesFileDialogs(ProgramState& state, ui::Dialogs& dialogs, QWidget* window)
        : state_(state), dialogs_(dialogs), window_(window)
    {
    }

    enum class Opened { Cancelled, Read, Refused };
    // The open dialog, then the chosen file read into the list. A refused file is reported and
    // leaves a new, unnamed list; a cancelled dialog changes nothing.
    Opened open();

    // Save: under the list's own name, else under a name asked for (Save As). False when the
    // list was not saved: the dialog cancelled, the file not written (reported).
    bool save();
    bool saveAs();

    // Asks `question` (Yes/No/Cancel); Yes saves. False when the teacher cancelled (Escape, the
    // close box) or wanted the list saved and it was not: what was to follow must not.
    bool offerToSave(const QString& question, const QString& title);

    // Leaving a working window. A named list is saved when `saveNamed` (a write that fails is
    // reported, and the edits stay in the program); an unnamed one with edits asks for a name.
    // False when the teacher should stay: no name was given, or that file was not written.
    bool saveOnLeaving(bool saveNamed);

    // Where the favourites dialogs start.
    QString dialogFolder() const;

private:
    bool write(const std::string& path, bool replaceRefused);

    ProgramState& state_;
    ui::Dialogs& dialogs_;
    QWidget* window_;
};

} // namespace tq
