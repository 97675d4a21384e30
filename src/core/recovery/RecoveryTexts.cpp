#include "core/recovery/RecoveryTexts.h"

#include "core/base/Cp1252.h"
#include "core/recovery/CopyFolders.h"

#include <cstdio>

namespace tq {

namespace {
const char* const weekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                              "July",    "August",   "September", "October", "November", "December"};

constexpr const char* keptIntro = "Tallyquill kept a copy of %s whose changes had not been saved when the "
                                  "program last closed.\n\n";

std::string formatted(const char* pattern, const std::string& value)
{
    const int size = std::snprintf(nullptr, 0, pattern, value.c_str());
    std::string out(static_cast<size_t>(size), '\0');
    std::snprintf(out.data(), out.size() + 1, pattern, value.c_str());
    return out;
}

std::string plural(int n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The lines that say which copy it is: what it holds, where it came from, when it last changed.
std::string copyLines(const RecoveryNote& note)
{
    std::string lines;
    if (note.kind == CopyKind::Class) {
        lines += "Class: " + (note.course.empty() ? std::string("(no course code)") : cp1252ToUtf8(note.course)) +
                 ", " + plural(note.count, "student", "students") + "\n";
        lines += note.originalFile.empty() ? std::string("File: none yet (a new class, never saved)\n")
                                           : "File: " + note.originalFile + "\n";
    } else {
        lines += "Favourites: " +
                 (note.originalFile.empty() ? std::string("a list never saved") : note.originalFile) + ", " +
                 plural(note.count, "entry", "entries") + "\n";
    }
    lines += "Last changed: " + lastChangedText(note.changed) + "\n";
    return lines;
}

// What No does, after the question.
std::string setAsideText(const std::string& folder)
{
    return " No sets the copy aside: it is kept for " + std::to_string(declinedCopyDays) + " days in\n" + folder + "/" +
           std::string(asideFolderName(AsideFolder::Declined)) +
           "\nand then removed. Cancel leaves it where it is, to be asked about at the next start.";
}

const char* whatItIs(CopyKind kind)
{
    return kind == CopyKind::Class ? "a class" : "a favourites list";
}
} // namespace

std::string lastChangedText(std::time_t time)
{
    std::tm local{};
    localtime_r(&time, &local);
    char text[80];
    std::snprintf(text, sizeof text, "%s, %s %d, %d at %02d:%02d", weekdays[local.tm_wday % 7],
                  months[local.tm_mon % 12], local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

RecoveryText restoreQuestion(const LeftCopy& copy, const std::string& folder)
{
    RecoveryText q;
    q.text = formatted(keptIntro, whatItIs(copy.kind())) + copyLines(copy.note) + "\n";
    if (copy.kind() == CopyKind::Class) {
        q.title = "Restore Class";
        q.text += "Do you want to restore it? Yes opens it as the current class; it is kept for good once you "
                  "save it.";
    } else {
        q.title = "Restore Favourites";
        q.text += "Do you want to restore it? Yes makes it the current favourites list, in place of the one "
                  "open now; it is saved when you next leave Initial Values Setup or Comment Selection.";
    }
    q.text += setAsideText(folder);
    return q;
}

RecoveryText keepForLaterQuestion(const LeftCopy& copy, const std::string& folder)
{
    RecoveryText q;
    q.title = copy.kind() == CopyKind::Class ? "Restore Class" : "Restore Favourites";
    const char* another = copy.kind() == CopyKind::Class ? "another class" : "another favourites list";
    q.text = formatted(keptIntro, another) + copyLines(copy.note) +
             "\nOnly one can be open at a time, and the one restored before is open now.\n\n"
             "Do you want to keep this copy until Tallyquill next starts? Yes keeps it." + setAsideText(folder);
    return q;
}

RecoveryText damagedCopyMessage(const DamagedCopy& copy, const std::string& folder)
{
    RecoveryText m;
    m.title = "Damaged Recovery Copy";
    m.text = copy.note ? formatted("A copy Tallyquill kept of %s is damaged and cannot be restored.\n\n",
                                   whatItIs(copy.note->kind)) +
                             copyLines(*copy.note)
                       : std::string("A copy Tallyquill kept of unsaved work is damaged and cannot be restored.\n");
    m.text += copy.keptAt.empty() ? "\nIt has been left, unchanged, in:\n" + folder + "/" + copy.folderName
                                  : "\nIt has been kept aside, unchanged, in:\n" + copy.keptAt;
    return m;
}

std::string restoredClassStatus(const std::string& originalFile)
{
    if (originalFile.empty())
        return "Class file: not saved yet (restored from a recovery copy)";
    return "Class file: not saved yet (restored from a recovery copy of " + originalFile + ")";
}

} // namespace tq
