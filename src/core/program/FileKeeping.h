#pragma once
// The class and favourites files the teacher works on, guarded against a second writer: each file
// opened is locked (see FileLock.h) while it is open, a file another copy of the program has open
// is opened only as the teacher answers (read-only, anyway, or not), and no write goes over a file
// that another program changed since this one read or wrote it unless the teacher says so.
#include "core/base/FileIdentity.h"
#include "core/base/FileLock.h"

#include <ctime>
#include <functional>
#include <optional>
#include <string>

namespace tq {

// A class or favourites file open in the program.
struct OpenedFile {
    std::string path;  // "" when none
    FileLock lock;     // not held when another program holds it, or the folder takes no lock
    bool readOnly = false; // saved only under another name
    // Why no lock could be made beside it ("" when one was, or another copy holds it), and whether
    // the teacher was told so at a save.
    std::string unprotected;
    bool unprotectedTold = false;
};

enum class HolderAnswer { OpenReadOnly, OpenAnyway, Cancel };
using AskAboutHolder = std::function<HolderAnswer(const LockHolder&)>;

// What opening `path` will hold: the lock taken, or the teacher's answer about the program that
// holds it (`ask` is asked only then). Nothing when the teacher cancelled. The file open now
// opened again keeps its lock and how it was opened.
struct FileClaim {
    FileLock lock;
    bool readOnly = false;
    bool sameAsOpen = false;
    std::string unprotected; // as OpenedFile's
};
std::optional<FileClaim> claimFile(const OpenedFile& open, const std::string& path, std::time_t now,
                                   const AskAboutHolder& ask);
// The file read under the claim is now the one open (the lock of the one before is let go).
void adoptClaim(OpenedFile& open, FileClaim claim, const std::string& path);
// `path` was written: it is the file open now, writable, locked when no one else holds it.
void savedAs(OpenedFile& open, const std::string& path, std::time_t now);

// A file opened anyway while another copy held it holds no lock: once that copy lets go, this one
// takes it, so that a third copy opening the file is told. True when it was taken just now.
bool takeLockWhenFree(OpenedFile& open, std::time_t now);
// "This class is not protected against a second copy: …" with the reason, the first time the open
// file without a lock is saved over; "" otherwise.
std::string unprotectedWarningOnce(OpenedFile& open, const std::string& path);

enum class BeforeWriting { Write, ReadOnly, OpenElsewhere, ChangedOnDisk };
// Whether the program may write over `path`: not the file `open` opened read-only, nor another file
// another copy of the program has open (its holder then in `holder`), nor one changed on disk since.
BeforeWriting checkBeforeWriting(const KnownFiles& known, const OpenedFile& open, const std::string& path,
                                 std::time_t now, LockHolder* holder = nullptr);

bool isSameFile(const std::string& a, const std::string& b);

// "today at 14:02", "yesterday at 14:02", "on Monday, December 7, 2026 at 10:15"; local time.
std::string whenText(std::time_t time, std::time_t now);

// The texts, in UTF-8 (file names as the file system holds them).
std::string heldByText(const std::string& path, const LockHolder& holder, std::time_t now); // who, since when
std::string heldByQuestion(const std::string& path, const LockHolder& holder, std::time_t now);
std::string changedOnDiskQuestion(const std::string& path);
// The question, and when the name now leads to another file (a link replaced, a file moved in or
// saved over it by renaming), what that file is and holds: "It now leads through a link to
// /home/t/SCH3U101.tqc, a class of SCH3U1-01. It holds 30 students, 12 of them with a mark, last
// changed today at 14:02."
std::string changedOnDiskQuestion(const KnownFiles& known, const std::string& path, std::time_t now);
std::string readOnlyMessage(const std::string& path);
// What a file the program never read or wrote holds, for the question before it is replaced: "It
// holds 28 students, 27 of them with a mark, last changed today at 14:02."; "" for a file the
// program knows, and for none.
std::string replacedFileDetails(const KnownFiles& known, const std::string& path, std::time_t now);

} // namespace tq
