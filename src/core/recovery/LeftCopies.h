#pragma once
// The copies that programs which did not end normally left behind, found at start-up. A copy
// belongs to a program that has ended when that program's lock can be taken; the copies of a
// program still running are not touched. The locks of the ended programs are held while the
// copies are looked at and offered, so that a second program starting meanwhile leaves them be.
//
// Each ended program's newest copy of each kind is checked whole: its description read, its
// length and checksum matched, and the file read as a class or favourites file. One that fails
// is moved into the "damaged" folder and reported, never loaded and never removed; an older copy
// of the same kind is then looked at in its place. Older copies behind a good one are out of
// date and go, as do folders left half written or half removed.
#include "core/classdata/StudentRecord.h"
#include "core/phrases/PhraseLibrary.h"
#include "core/base/InstanceLock.h"
#include "core/recovery/RecoveryNote.h"
#include "core/selection/FavouritesFile.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tq {

struct LeftCopy {
    std::string folderName; // in the recovery folder
    RecoveryNote note;
    std::variant<ClassList, Favourites> data; // as read from the copy

    CopyKind kind() const { return note.kind; }
};

struct DamagedCopy {
    std::optional<RecoveryNote> note; // when the description could still be read
    std::string keptAt;               // the folder it was moved to; "" when it could not be moved
    std::string folderName;           // its name where it was found
};

// Checks one copy folder: the copy it holds, or nothing when it is damaged.
std::optional<LeftCopy> readLeftCopy(const std::string& folder, const std::string& name, const PhraseLibrary& library);

class LeftCopies {
public:
    // Looks through `folder`, passing over the copies of `ownInstance` and of running programs.
    LeftCopies(const std::string& folder, const std::string& ownInstance, const PhraseLibrary& library);
    // Lets go of the ended programs' locks, removing the lock files of those with no copy left.
    ~LeftCopies();
    LeftCopies(const LeftCopies&) = delete;
    LeftCopies& operator=(const LeftCopies&) = delete;

    // Classes first, then favourites; the latest change first within each.
    const std::vector<LeftCopy>& copies() const { return copies_; }
    const std::vector<DamagedCopy>& damaged() const { return damaged_; }

    // Removes a copy that has been taken over (this program keeps its own copy of it now).
    void discard(const LeftCopy& copy);
    // Sets aside a copy the teacher chose not to restore, in the "declined" folder, where it is
    // kept for a while (CopyFolders.h): a hurried No loses nothing at once.
    void decline(const LeftCopy& copy);

private:
    // The copies of one ended program, from the names in the folder that carry its id.
    void lookAtInstance(const std::vector<std::string>& names, const PhraseLibrary& library);

    std::string folder_;
    std::vector<LeftCopy> copies_;
    std::vector<DamagedCopy> damaged_;
    std::vector<InstanceLock> locks_;
};

} // namespace tq
