#include "core/program/MyCommentsKeeping.h"

#include "core/base/TextFile.h"
#include "core/program/ProgramState.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tq {

namespace {
void readNow(ProgramState& state, const std::string& path)
{
    MyCommentsKept& kept = state.myComments;
    state.knownFiles.remember(path); // before reading: a change made meanwhile counts as a change
    MyCommentsLoad load = readMyCommentsFile(path);
    kept.read = true;
    kept.existed = load.result != MyCommentsRead::NoFile;
    kept.unreadable = load.result == MyCommentsRead::Unreadable;
    kept.list = std::move(load.list);
}
} // namespace

std::string myCommentsFile(const ProgramState& state)
{
    return state.folders.teacherFolder.empty() ? std::string() : myCommentsPath(state.folders.teacherFolder);
}

bool refreshMyComments(ProgramState& state)
{
    const std::string path = myCommentsFile(state);
    if (path.empty())
        return false;
    MyCommentsKept& kept = state.myComments;
    const bool changed = !kept.read || state.knownFiles.changeSince(path) == KnownFiles::Since::Changed ||
                         kept.existed != fileExists(path);
    if (changed)
        readNow(state, path);
    return changed;
}

MyCommentsSaved changeMyComments(ProgramState& state, const std::function<bool(std::vector<std::string>&)>& change,
                                 LockHolder* holder, bool overHolder)
{
    const std::string path = myCommentsFile(state);
    if (path.empty())
        return MyCommentsSaved::NotWritten;
    std::error_code ec;
    std::filesystem::create_directories(folderOfFile(path), ec);
    // The favourites' rule before writing: not over a copy of the program that has the file.
    if (checkBeforeWriting(state.knownFiles, OpenedFile{}, path, state.clock(), holder) ==
            BeforeWriting::OpenElsewhere &&
        !overHolder)
        return MyCommentsSaved::HeldElsewhere;
    FileLock::Attempt lock = FileLock::take(path, state.clock(), overHolder);
    if (lock.heldBy) {
        if (holder)
            *holder = *lock.heldBy;
        return MyCommentsSaved::HeldElsewhere;
    }
    // A change made on disk since is read first, and this change made to it: nothing is lost.
    refreshMyComments(state);
    MyCommentsKept& kept = state.myComments;
    if (kept.unreadable)
        return MyCommentsSaved::Unreadable;
    std::vector<std::string> comments = kept.list.comments;
    if (!change(comments))
        return MyCommentsSaved::Unchanged;
    for (std::string& comment : comments)
        comment = tidyMyComment(comment);
    std::erase(comments, std::string());
    if (!replaceFileAtomically(path, myCommentsFileText(comments)))
        return MyCommentsSaved::NotWritten;
    state.knownFiles.remember(path);
    kept.list = MyComments{std::move(comments), false};
    kept.existed = true;
    return MyCommentsSaved::Saved;
}

MyCommentsSaved addMyComment(ProgramState& state, const std::string& comment, LockHolder* holder, bool overHolder)
{
    return changeMyComments(
        state,
        [&](std::vector<std::string>& comments) {
            comments.push_back(comment);
            return !tidyMyComment(comment).empty();
        },
        holder, overHolder);
}

namespace {
MyCommentsSaved changeOne(ProgramState& state, const std::string& old, const std::string* replacement,
                          LockHolder* holder, bool overHolder)
{
    return changeMyComments(
        state,
        [&](std::vector<std::string>& comments) {
            const auto it = std::find(comments.begin(), comments.end(), old);
            if (it == comments.end())
                return false;
            if (replacement)
                *it = *replacement;
            else
                comments.erase(it);
            return true;
        },
        holder, overHolder);
}
} // namespace

MyCommentsSaved replaceMyComment(ProgramState& state, const std::string& old, const std::string& comment,
                                 LockHolder* holder, bool overHolder)
{
    return changeOne(state, old, &comment, holder, overHolder);
}

MyCommentsSaved removeMyComment(ProgramState& state, const std::string& comment, LockHolder* holder, bool overHolder)
{
    return changeOne(state, comment, nullptr, holder, overHolder);
}

} // namespace tq
