#include "entry/UndoStack.h"

namespace tq {

namespace {
// The same student: number and course agree (a student in two courses of a class is two students).
bool sameStudent(const StudentRecord& a, const StudentRecord& b)
{
    return a.studentNumber == b.studentNumber && a.courseCode == b.courseCode;
}
} // namespace

void UndoStack::push(const StudentRecord& student, int index)
{
    entries_.push(UndoEntry{student, index});
}

std::optional<UndoEntry> UndoStack::takeLatestFor(const ClassList& students)
{
    std::optional<UndoEntry> taken = entries_.takeLatest();
    if (!taken)
        return std::nullopt;
    UndoEntry& latest = *taken;
    const auto standsAt = [&](size_t i) { return sameStudent(students[i], latest.savedRecord); };
    const size_t recorded = static_cast<size_t>(latest.studentIndex);
    if (latest.studentIndex >= 0 && recorded < students.size() && standsAt(recorded))
        return taken;
    for (size_t i = 0; i < students.size(); ++i)
        if (standsAt(i)) {
            latest.studentIndex = static_cast<int>(i);
            return taken;
        }
    entries_.clear();
    return std::nullopt;
}

} // namespace tq
