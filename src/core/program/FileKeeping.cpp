#include "core/program/FileKeeping.h"

#include "core/base/Clock.h"
#include "core/base/TextFile.h"
#include "core/classdata/ClassFile.h"
#include "core/recovery/RecoveryTexts.h"
#include "core/selection/FavouritesFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>

namespace tq {

bool isSameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return a == b || (std::filesystem::equivalent(a, b, ec) && !ec);
}

std::optional<FileClaim> claimFile(const OpenedFile& open, const std::string& path, std::time_t now,
                                   const AskAboutHolder& ask)
{
    FileClaim claim;
    if (!open.path.empty() && isSameFile(open.path, path)) {
        claim.sameAsOpen = true;
        claim.readOnly = open.readOnly;
        return claim;
    }
    FileLock::Attempt attempt = FileLock::take(path, now);
    if (attempt.heldBy) {
        switch (ask ? ask(*attempt.heldBy) : HolderAnswer::OpenReadOnly) {
        case HolderAnswer::Cancel: return std::nullopt;
        case HolderAnswer::OpenReadOnly: claim.readOnly = true; return claim;
        case HolderAnswer::OpenAnyway: attempt = FileLock::take(path, now, true); break;
        }
    }
    claim.lock = std::move(attempt.lock);
    return claim;
}

void adoptClaim(OpenedFile& open, FileClaim claim, const std::string& path)
{
    if (claim.sameAsOpen)
        return;
    open.lock = std::move(claim.lock);
    open.readOnly = claim.readOnly;
    open.path = path;
}

void savedAs(OpenedFile& open, const std::string& path, std::time_t now)
{
    // A file opened anyway takes the lock once the copy that held it has let it go.
    if (!open.path.empty() && isSameFile(open.path, path) && !open.readOnly && open.lock.held())
        return;
    open.lock = std::move(FileLock::take(path, now).lock);
    open.readOnly = false;
    open.path = path;
}

BeforeWriting checkBeforeWriting(const KnownFiles& known, const OpenedFile& open, const std::string& path,
                                 std::time_t now, LockHolder* holder)
{
    const bool isOpen = !open.path.empty() && isSameFile(open.path, path);
    if (open.readOnly && isOpen)
        return BeforeWriting::ReadOnly;
    // The file open now was opened anyway, if another copy has it: the teacher knows.
    if (!isOpen && fileExists(path)) {
        const FileLock::Attempt attempt = FileLock::take(path, now);
        if (attempt.heldBy) {
            if (holder)
                *holder = *attempt.heldBy;
            return BeforeWriting::OpenElsewhere;
        }
    }
    if (fileExists(path) && known.changeSince(path) == KnownFiles::Since::Changed)
        return BeforeWriting::ChangedOnDisk;
    return BeforeWriting::Write;
}

std::string whenText(std::time_t time, std::time_t now)
{
    const int days = calendarDaysBetween(time, now);
    if (days != 0 && days != 1)
        return "on " + lastChangedText(time);
    std::tm local{};
    localtime_r(&time, &local);
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour % 24, local.tm_min % 60);
    return std::string(days == 0 ? "today" : "yesterday") + " at " + clock;
}

std::string heldByText(const std::string& path, const LockHolder& holder, std::time_t now)
{
    const std::string who = holder.user.empty() ? "another user" : holder.user;
    const std::string where = holder.host.empty() ? std::string() : " on " + holder.host;
    const std::string since = holder.since > 0 ? " since " + whenText(holder.since, now) : std::string();
    return fileNameOf(path) + " is open in Tallyquill by " + who + where + since + ".";
}

std::string heldByQuestion(const std::string& path, const LockHolder& holder, std::time_t now)
{
    return heldByText(path, holder, now) +
           "\n\nOpen Read-Only lets you read it and save it only under another name. Open Anyway lets "
           "both copies save it: the one that saves second is asked before it overwrites the other's work.";
}

std::string changedOnDiskQuestion(const std::string& path)
{
    return fileNameOf(path) + " was changed by another program since Tallyquill opened it.";
}

std::string readOnlyMessage(const std::string& path)
{
    return fileNameOf(path) + " was opened read-only. Please save it under another name.";
}

namespace {
std::string counted(size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string whatItHolds(const std::string& path)
{
    if (fileExtensionTail(path, 4) == ".tqc") {
        const std::variant<ClassList, Message> read = readClassFile(path);
        if (const ClassList* students = std::get_if<ClassList>(&read)) {
            const auto marked = std::count_if(students->begin(), students->end(),
                                              [](const StudentRecord& s) { return !s.mark.empty(); });
            return "It holds " + counted(students->size(), "student", "students") + ", " + std::to_string(marked) +
                   " of them with a mark, ";
        }
    }
    if (fileExtensionTail(path, 4) == ".tqf") {
        Favourites fav;
        const std::optional<std::vector<std::string>> lines = readTextLines(path);
        if (lines && appendFavouritesLines(fav, *lines))
            return "It holds " + counted(fav.favourites.size(), "favourite", "favourites") + ", ";
    }
    return "It was ";
}
} // namespace

std::string replacedFileDetails(const KnownFiles& known, const std::string& path, std::time_t now)
{
    struct stat st {};
    if (known.changeSince(path) != KnownFiles::Since::NeverKnown || ::stat(path.c_str(), &st) != 0 ||
        !S_ISREG(st.st_mode))
        return std::string();
    return whatItHolds(path) + "last changed " + whenText(st.st_mtime, now) + ".";
}

} // namespace tq
