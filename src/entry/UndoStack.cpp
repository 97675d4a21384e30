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
    if (entries_.size() == capacity)
        entries_.pop_front();
    entries_.push_back(UndoEntry{student, index});
}

std::optional<UndoEntry> UndoStack::takeLatestFor(const ClassList& students)
{
    if (entries_.empty())
        return std::nullopt;
    UndoEntry latest = std::move(entries_.back());
    entries_.pop_back();
    const auto standsAt = [&](size_t i) { return sameStudent(students[i], latest.savedRecord); };
    const size_t recorded = static_cast<size_t>(latest.studentIndex);
    if (latest.studentIndex >= 0 && recorded < students.size() && standsAt(recorded))
        return latest;
    for (size_t i = 0; i < students.size(); ++i)
        if (standsAt(i)) {
            latest.studentIndex = static_cast<int>(i);
            return latest;
        }
    entries_.clear();
    return std::nullopt;
}

} // namespace tq
