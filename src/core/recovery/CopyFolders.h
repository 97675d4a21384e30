#pragma once
// The recovery folder's copy folders on disk: writing one whole, listing them, removing them and
// putting a damaged one aside. Nothing here runs on its own thread; the writer (CopyWriter.h)
// and the look at start-up (LeftCopies.h) both use it.
#include "core/base/TextFile.h"
#include "core/recovery/RecoveryNote.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq {

// The steps of writing a copy, in order, for tests that stop the program in the middle of one.
enum class CopyWriteStep { FolderMade, CopyWritten, NoteWritten, InPlace, OlderRemoved };
std::string_view copyWriteStepName(CopyWriteStep step);
using CopyWriteHook = std::function<void(CopyWriteStep)>;

// Makes the recovery folder (only its owner may look into it). False when it cannot be made.
bool makeRecoveryFolder(const std::string& folder);

// Writes `bytes` and their description (whose length and checksum are filled in here) into a new
// copy folder `number` of `instance`, made under a temporary name and renamed into place once
// both files are on disk; then removes the instance's older copies of that kind. False when it
// could not be written, with errno saying why; nothing of the attempt is left then, and the
// older copies stay. Tests
// give writers that fail part-way (see replaceFileAtomically).
bool writeCopyFolder(const std::string& folder, const std::string& instance, std::uint64_t number,
                     std::string_view bytes, RecoveryNote note, const CopyWriteHook& hook = {},
                     const ByteWriterFactory& makeWriter = {});

// Removes a copy folder (or any folder of files) of the recovery folder by name: it is renamed
// first, so that it is never seen half removed. False when it was not there.
bool removeCopyFolder(const std::string& folder, const std::string& name);

// Removes the instance's copies of `kind` numbered below `below` (all of them by default).
void removeCopies(const std::string& folder, const std::string& instance, CopyKind kind,
                  std::uint64_t below = UINT64_MAX);

// The folders beside the copies where copies are put aside: "damaged" for those that could not
// be read (kept until someone removes them), "declined" for those the teacher chose not to
// restore (kept for declinedCopyDays, then removed at a start).
enum class AsideFolder { Damaged, Declined };
std::string_view asideFolderName(AsideFolder aside);
inline constexpr int declinedCopyDays = 14;

// Moves a copy folder into an aside folder, under its own name (with a number added when that is
// taken); the move is the time a declined copy's days count from. Its path there, or nothing
// when it could not be moved.
std::optional<std::string> putCopyAside(const std::string& folder, const std::string& name,
                                        AsideFolder into = AsideFolder::Damaged);

// Removes the declined copies put aside more than declinedCopyDays before `now`.
void removeOldDeclinedCopies(const std::string& folder, std::time_t now);

// The names of the entries of a folder (none when it cannot be read).
std::vector<std::string> namesInFolder(const std::string& folder);

// Removes a folder and the files in it (copy folders hold no folders); also a half-made or half
// removed one. Quietly does nothing when it is not there.
void removeFolderOfFiles(const std::string& path);

} // namespace tq
