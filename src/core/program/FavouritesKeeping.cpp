#include "core/program/FavouritesKeeping.h"

#include "core/base/Cp1252.h"
#include "core/program/ProgramState.h"
#include "core/selection/FavouritesCommands.h"

#include <algorithm>

namespace tq {

namespace {
void forgetRefused(ProgramState& state, const std::string& path)
{
    std::erase_if(state.favouritesStatus.refusedFiles, [&path](const std::string& file) { return isSameFile(file, path); });
}

std::string leftAsItWas(const std::string& path)
{
    return "Tallyquill could not read " + path + " as a favourites file when it was opened, and has left it as it was.";
}

// What memory holds is now in a file, or is nothing to lose.
void nothingUnsaved(ProgramState& state)
{
    state.favouritesStatus.unsaved = false;
    state.recovery.favouritesSaved();
}
} // namespace

MaybeMessage openFavourites(ProgramState& state, std::string path, FileClaim claim)
{
    state.favourites.favouritesFile = path;
    state.knownFiles.remember(path);
    MaybeMessage refused = readFavourites(state.favourites, state.phrases);
    rememberFolderOf(state.folders, path);
    forgetRefused(state, path);
    if (refused) {
        // The file is the teacher's even when it cannot be read (a line lost, a class file chosen
        // by mistake): the list that takes its place has no name, so no save goes to it unasked.
        state.favourites.favouritesFile.clear();
        state.favouritesStatus.refusedFiles.push_back(path);
        state.favouritesOpen = OpenedFile{};
    } else {
        adoptClaim(state.favouritesOpen, std::move(claim), path);
    }
    state.favouritesStatus.fileText = favouritesFileText(state.favourites);
    nothingUnsaved(state);
    return refused;
}

void startNewFavourites(ProgramState& state)
{
    newFavourites(state.favourites);
    state.favouritesOpen = OpenedFile{};
    nothingUnsaved(state);
}

void favouritesEdited(ProgramState& state)
{
    state.favouritesStatus.unsaved = true;
    state.recovery.favouritesChanged();
}

void favouritesRestored(ProgramState& state)
{
    state.favouritesStatus.unsaved = true;
}

void favouritesDiscarded(ProgramState& state)
{
    state.favouritesStatus.unsaved = false;
    state.recovery.favouritesDiscarded();
}

MaybeMessage favouritesLibraryNotice(const ProgramState& state)
{
    const LackedCodes codes = codesLibraryLacks(state.favourites, state.phrases);
    const size_t phrases = state.phrases.phraseCount();
    const size_t known = codes.used - codes.lacked.size();
    const bool libraryShort = phrases == 0 || known * 10 < codes.used;
    if (codes.lacked.empty() && phrases > 0)
        return std::nullopt;
    std::string text = "TQ26: ";
    if (!codes.lacked.empty()) {
        text += "The phrase library lacks " + std::to_string(codes.lacked.size()) + " of the " +
                std::to_string(codes.used) + " codes of your favourites and their ranges:";
        for (size_t i = 0; i < codes.lacked.size(); ++i)
            text += (i == 0 ? " " : ", ") + codes.lacked[i];
        text += std::string(". They are kept, shown as ") + notInLibraryText + ", and saved unchanged.";
    } else {
        text += "The phrase library holds no phrase.";
    }
    if (libraryShort)
        text += std::string(crlf) + "Probable Cause: The phrase library " + utf8ToCp1252(state.phraseLibraryPath()) +
                (phrases == 0 ? " holds no phrase" : " holds only " + std::to_string(phrases) + " phrases") +
                ": it may have been cut short, or may still be being copied. Please contact your Tallyquill School "
                "Administrator.";
    return Message{text};
}

bool isRefusedFavouritesFile(const ProgramState& state, const std::string& path)
{
    const std::vector<std::string>& refused = state.favouritesStatus.refusedFiles;
    return std::any_of(refused.begin(), refused.end(), [&path](const std::string& file) { return isSameFile(file, path); });
}

bool savesUnderItsName(const ProgramState& state)
{
    const std::string& name = state.favourites.favouritesFile;
    return savesUnderItsName(name) && !isRefusedFavouritesFile(state, name) && !state.favouritesOpen.readOnly;
}

void favouritesAsInFile(ProgramState& state) { nothingUnsaved(state); }

bool favouritesDifferFromFile(const ProgramState& state)
{
    return favouritesFileText(state.favourites) != state.favouritesStatus.fileText;
}

MaybeMessage saveFavouritesTo(ProgramState& state, std::string path, bool replaceRefused)
{
    if (!replaceRefused && isRefusedFavouritesFile(state, path))
        return refusedFileMessage(path);
    Favourites saved = state.favourites;
    saved.favouritesFile = path;
    if (MaybeMessage m = saveFavourites(saved))
        return m;
    state.favourites.favouritesFile = path;
    state.knownFiles.remember(path);
    savedAs(state.favouritesOpen, path, state.clock());
    state.favouritesStatus.fileText = favouritesFileText(state.favourites);
    forgetRefused(state, path);
    rememberFolderOf(state.folders, path);
    nothingUnsaved(state);
    return std::nullopt;
}

std::string replaceRefusedQuestion(const std::string& path)
{
    return leftAsItWas(path) + "\n\nDo you want to replace it with this favourites list? Whatever it holds now is then lost.";
}

Message refusedFileMessage(const std::string& path)
{
    return Message{utf8ToCp1252(leftAsItWas(path))};
}

} // namespace tq
