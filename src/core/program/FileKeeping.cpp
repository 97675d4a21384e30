#include "core/program/FileKeeping.h"

#include "core/base/Clock.h"
#include "core/base/Cp1252.h"
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
    claim.unprotected = attempt.notMade;
    return claim;
}

void adoptClaim(OpenedFile& open, FileClaim claim, const std::string& path)
{
    if (claim.sameAsOpen)
        return;
    open.lock = std::move(claim.lock);
    open.readOnly = claim.readOnly;
    open.path = path;
    open.unprotected = std::move(claim.unprotected);
    open.unprotectedTold = false;
}

void savedAs(OpenedFile& open, const std::string& path, std::time_t now)
{
    const bool sameFile = !open.path.empty() && isSameFile(open.path, path);
    // A file opened anyway takes the lock once the copy that held it has let it go.
    if (sameFile && !open.readOnly && open.lock.held())
        return;
    FileLock::Attempt attempt = FileLock::take(path, now);
    open.lock = std::move(attempt.lock);
    open.readOnly = false;
    open.path = path;
    open.unprotectedTold = sameFile && open.unprotectedTold && attempt.notMade == open.unprotected;
    open.unprotected = std::move(attempt.notMade);
}

bool takeLockWhenFree(OpenedFile& open, std::time_t now)
{
    if (open.path.empty() || open.readOnly || open.lock.held() || !fileExists(open.path))
        return false; // a file gone (moved, deleted) gets no lock beside its old name
    FileLock::Attempt attempt = FileLock::take(open.path, now);
    if (!attempt.lock.held())
        return false;
    open.lock = std::move(attempt.lock);
    open.unprotected.clear();
    return true;
}

std::string unprotectedWarningOnce(OpenedFile& open, const std::string& path)
{
    if (open.unprotected.empty() || open.unprotectedTold || open.path.empty() || !isSameFile(open.path, path))
        return std::string();
    open.unprotectedTold = true;
    return "This class is not protected against a second copy: " + open.unprotected;
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
    if (known.changeSince(path) == KnownFiles::Since::Changed)
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

// "It holds 28 students, 27 of them with a mark, " ("It was " for a file that is no class or
// favourites list); `courses` gets a class's course codes ("SCH3U1-01", "ENG-01 and MAT-01").
std::string whatItHolds(const std::string& path, std::string* courses = nullptr)
{
    if (fileExtensionTail(path, 4) == ".tqc") {
        const std::variant<ClassList, Message> read = readClassFile(path);
        if (const ClassList* students = std::get_if<ClassList>(&read)) {
            const auto marked = std::count_if(students->begin(), students->end(),
                                              [](const StudentRecord& s) { return !s.mark.empty(); });
            if (courses) {
                std::vector<std::string> codes;
                for (const StudentRecord& s : *students)
                    if (std::find(codes.begin(), codes.end(), s.courseCode) == codes.end())
                        codes.push_back(s.courseCode);
                for (size_t i = 0; i < codes.size(); ++i)
                    *courses += (i == 0 ? "" : i + 1 == codes.size() ? " and " : ", ") + cp1252ToUtf8(codes[i]);
            }
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

// What a file holds and when it last changed; "" for no ordinary file.
std::string holdsAndLastChanged(const std::string& path, std::time_t now, std::string* courses = nullptr)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::string();
    return whatItHolds(path, courses) + "last changed " + whenText(st.st_mtime, now) + ".";
}
} // namespace

std::string replacedFileDetails(const KnownFiles& known, const std::string& path, std::time_t now)
{
    if (known.changeSince(path) != KnownFiles::Since::NeverKnown)
        return std::string();
    return holdsAndLastChanged(path, now);
}

std::string changedOnDiskQuestion(const KnownFiles& known, const std::string& path, std::time_t now)
{
    std::string question = changedOnDiskQuestion(path);
    if (!known.leadsToAnotherFile(path))
        return question;
    std::string courses;
    const std::string holds = holdsAndLastChanged(path, now, &courses);
    const std::string aClassOf = courses.empty() ? std::string() : "a class of " + courses;
    struct stat link {};
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (!ec && ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
        question += " It now leads through a link to " + target.string() + (aClassOf.empty() ? "." : ", " + aClassOf + ".");
    else if (!aClassOf.empty())
        question += " The file now there is " + aClassOf + ".";
    return holds.empty() ? question : question + " " + holds;
}

} // namespace tq
