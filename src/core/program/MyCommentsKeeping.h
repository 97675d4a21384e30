#pragma once
// The teacher's own comments the program holds, and their file (core/mycomments/MyCommentsFile.h).
// The file is read once a run and again whenever another program changed it; a change is made to
// the comments as the file holds them at that moment and written at once, atomically and under
// the file's lock, so that neither a second copy of the program nor an editor loses a comment.
#include "core/base/FileLock.h"
#include "core/mycomments/MyCommentsFile.h"

#include <functional>
#include <string>
#include <vector>

namespace tq {

struct ProgramState;

struct MyCommentsKept {
    MyComments list;
    bool read = false;       // read (or found missing) during this run
    bool existed = false;    // the file was there when last read or written
    bool unreadable = false; // it is there but cannot be read: it is never written over
};

// The file: `My comments.txt` in the Tallyquill folder of the teacher's Documents folder; "" when
// the program knows no teacher's folder.
std::string myCommentsFile(const ProgramState& state);

// Reads the file when it was not read yet in this run, or when another program changed (or
// removed) it since. True when the comments were read again.
bool refreshMyComments(ProgramState& state);

enum class MyCommentsSaved {
    Saved,
    Unchanged,     // `change` found nothing to change (the comment is no longer in the file)
    HeldElsewhere, // another copy of the program is writing it: its holder is named
    Unreadable,    // the file is there but cannot be read, and is left as it is
    NotWritten,    // the folder or the file could not be written (errno says why)
};

// Applies `change` (which returns false when it has nothing to change) to the comments as the
// file holds them now, read again first when another program changed them, and writes the file,
// making its folder on first use. `overHolder`: the teacher chose to write over the lock of a copy
// that cannot be told from a running one (on another machine).
MyCommentsSaved changeMyComments(ProgramState& state, const std::function<bool(std::vector<std::string>&)>& change,
                                 LockHolder* holder = nullptr, bool overHolder = false);

// The comments changed one at a time, as the windows change them. Edit and Remove name the comment
// by its text, as it was shown: one another program changed meanwhile is not touched.
MyCommentsSaved addMyComment(ProgramState& state, const std::string& comment, LockHolder* holder = nullptr,
                             bool overHolder = false);
MyCommentsSaved replaceMyComment(ProgramState& state, const std::string& old, const std::string& comment,
                                 LockHolder* holder = nullptr, bool overHolder = false);
MyCommentsSaved removeMyComment(ProgramState& state, const std::string& comment, LockHolder* holder = nullptr,
                                bool overHolder = false);

} // namespace tq
