#pragma once
// Everything the running program holds: the class, the phrase library, the favourites with their
// initial-value ranges, the folders, the school and a few flags. main() creates one and hands it to every window.
#include "core/base/Clock.h"
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/program/FavouritesKeeping.h"
#include "core/program/FileKeeping.h"
#include "core/program/MyCommentsKeeping.h"
#include "core/recovery/RecoveryCopies.h"
#include "core/selection/FavouritesFile.h"
#include "core/spelling/SpellingSources.h"

#include <string>

namespace tq {

struct ProgramFolders {
    std::string programFolder;   // holds the executable and the phrase library
    std::string appParentFolder; // the folder that holds the program folder
    std::string dataFolder;      // appParentFolder + "/data": the master file
    std::string teacherFolder;   // the teacher's own folder, where class dialogs start first
    std::string phraseLibraryFile; // another phrase library named on the command line; empty = none
    std::string lastFileFolder;  // the folder of the class or favourites file last opened or saved
};

// The folders derived from the program folder (the executable's folder).
ProgramFolders programFoldersFor(const std::string& programFolder, const std::string& teacherFolder);

// Where the class and favourites dialogs start: the folder of the file last opened or saved, else
// the teacher's folder when it is found, else "" (the dialog's own choice).
std::string fileDialogFolder(const ProgramFolders& folders);
// The teacher opened or saved the class or favourites file `path` (nothing for "").
void rememberFolderOf(ProgramFolders& folders, const std::string& path);

struct ProgramState {
    ClassList students;
    PhraseLibrary phrases;
    Favourites favourites;
    FavouritesStatus favouritesStatus; // see FavouritesKeeping.h
    bool firstFileDialog = true;
    bool smallScreen = false;
    ProgramFolders folders;
    std::string school; // the school's name from the set-up file (Windows-1252); empty = none
    Clock clock = systemClock();
    Pause pause = systemPause(); // how the program waits for a school file still being copied
    // Copies of the class and favourites while they hold unsaved changes; the windows report
    // each change and save to it. Keeps nothing until main() starts it.
    RecoveryCopies recovery;
    // The dictionary and the teacher's words for the comment checks.
    SpellingSources spelling;
    // Every class and favourites file read or written during the run, and the two open now.
    KnownFiles knownFiles;
    OpenedFile classOpen;
    OpenedFile favouritesOpen;
    // The teacher's own comments (MyCommentsKeeping.h).
    MyCommentsKept myComments;

    int studentCount() const { return static_cast<int>(students.size()); }
    std::string phraseLibraryPath() const
    {
        return folders.phraseLibraryFile.empty() ? folders.programFolder + "/" + phraseLibraryFileName
                                                 : folders.phraseLibraryFile;
    }
};

} // namespace tq
