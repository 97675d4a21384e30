#pragma once
// Where recovery copies live and what their files are called. Each running program is one
// instance with an id of its own; its copies and its lock file carry that id, so two programs
// running at once never write the same copy:
//
//   <recovery folder>/<id>.lock             held locked by the instance while it runs
//   <recovery folder>/<id>.class.<n>/       the n-th copy of the open class: the class file and
//   <recovery folder>/<id>.favourites.<n>/  its description (RecoveryNote.h); likewise favourites
//   <recovery folder>/damaged/              copies that could not be read, kept aside
//
// A copy folder is made under a temporary name (".writing.<id>.XXXXXX") and renamed into place
// whole; one that is going is renamed to ".removing.<id>.<...>" before it is emptied.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tq {

enum class CopyKind { Class, Favourites };

// "class" or "favourites", as the names of copy folders carry it.
std::string_view copyKindName(CopyKind kind);

// The program's own recovery folder: tallyquill/recovery in the user's data folder
// ($XDG_DATA_HOME when it is an absolute path, `home`/.local/share otherwise).
std::string recoveryFolder(const std::string& home, const std::string& xdgDataHome);
// The same for the running user ($HOME, $XDG_DATA_HOME); empty when HOME is not set.
std::string recoveryFolderOfUser();

// An instance id: the start time (local, to the second), the process id and a random number,
// for example "20261207T101503-4711-9f3a1c2b". Letters, digits, "T" and "-" only.
std::string instanceId(std::time_t started, long pid, std::uint32_t random);
// A new id for this process, started now.
std::string newInstanceId();

std::string lockFileName(const std::string& instance);
std::string copyFolderName(const std::string& instance, CopyKind kind, std::uint64_t number);
// The template for mkdtemp of a copy being written.
std::string writingFolderTemplate(const std::string& instance);
// The name a copy folder takes while it is being removed.
std::string removingFolderName(const std::string& copyFolder);

// The name of the copied file inside its folder: the class file's default name for the course
// ("ENG2D101.tqc"), the favourites file's own name ("Sample.tqf"); "class.tqc" and
// "favourites.tqf" when there is no such name.
std::string copyFileName(CopyKind kind, const std::string& courseCode, const std::string& favouritesFile);

// What an entry of the recovery folder is, read from its name.
struct RecoveryEntry {
    enum class What { Lock, Copy, Writing, Removing };
    What what = What::Lock;
    std::string instance;
    CopyKind kind = CopyKind::Class; // copies only
    std::uint64_t number = 0;        // copies only
};
// Nothing for a name the program did not give ("damaged", a file someone put there).
std::optional<RecoveryEntry> recoveryEntryOf(std::string_view name);

} // namespace tq
