#pragma once
// The favourites list the program holds, and its file. Every window opens, edits and saves the
// list through these, so that the same rules hold everywhere: a file the program refused to read
// is never written over unasked (the list that takes its place has no name), and edits that are
// in no file are known, kept in the recovery copy and asked about before they could be lost.
#include "core/base/Message.h"
#include "core/program/FileKeeping.h"

#include <string>
#include <vector>

namespace tq {

struct ProgramState;

struct FavouritesStatus {
    bool unsaved = false;                  // the list holds edits that are in no file
    std::string fileText;                  // the list as its file was last read or saved
    std::vector<std::string> refusedFiles; // files refused as favourites during this run
};

// Reads the favourites file at `path` (a copy: it may be the list's own name, which changes) into
// the list. A refused file (TQ16, TQ17) leaves a new, unnamed list with no entries and no ranges,
// and is remembered as refused. Either way nothing is unsaved afterwards, and the file dialogs
// start in the file's folder. `claim` (see claimFile) says how the file is held.
MaybeMessage openFavourites(ProgramState& state, std::string path, FileClaim claim = {});

// A new list: no file, no entries, the seven default ranges; nothing unsaved.
void startNewFavourites(ProgramState& state);

// The teacher changed the entries or the ranges.
void favouritesEdited(ProgramState& state);
// The list now in the state was restored from a recovery copy: it is in no file yet.
void favouritesRestored(ProgramState& state);
// The teacher chose not to keep the edits (No at Exit): its recovery copy goes.
void favouritesDiscarded(ProgramState& state);

// True when `path` names a file refused as favourites during this run (the same file under
// another name too).
bool isRefusedFavouritesFile(const ProgramState& state, const std::string& path);

// After the favourites were opened (at start-up too, with or without a list): TQ26 naming how
// many codes of the list and its ranges the phrase library lacks, and which (they stay in the
// list); and the library itself as the likely cause when it holds no phrase, or fewer than a
// tenth of the codes the list uses. Nothing when the library has every code.
MaybeMessage favouritesLibraryNotice(const ProgramState& state);

// True when Save writes the list under its own name without asking for one: it has a name the
// program reads back as a favourites file, and the file was not opened read-only.
bool savesUnderItsName(const ProgramState& state);

// True when the entries or the ranges are not what the list's file held when last read or saved.
bool favouritesDifferFromFile(const ProgramState& state);
// The list is as its file holds it (edits undone): nothing is unsaved.
void favouritesAsInFile(ProgramState& state);

// Writes the list to `path`, which becomes its name, and nothing is unsaved. A refused file is
// written over only when `replaceRefused` says the teacher confirmed it (refusedFileMessage
// otherwise). TQ18 when the file cannot be written; the list then keeps its name and its edits.
MaybeMessage saveFavouritesTo(ProgramState& state, std::string path, bool replaceRefused = false);

// The question before a refused file is written over, in UTF-8 (a path is in the file system's
// encoding); and the same words as the message of a save that was not confirmed.
std::string replaceRefusedQuestion(const std::string& path);
inline constexpr const char* replaceRefusedTitle = "Replace Favourites File";
Message refusedFileMessage(const std::string& path);

} // namespace tq
