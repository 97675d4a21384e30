#include "core/entry/UndoStack.h"

namespace tq {

namespace {

std::optional<UndoneChange> undo(UndoEntry& entry, ClassList& students)
{
    const StudentRecord& saved = entry.savedRecord;
    const int at = findStudent(students, saved.courseCode, saved.studentNumber, entry.studentIndex);
    if (at < 0)
        return std::nullopt;
    students[static_cast<size_t>(at)] = std::move(entry.savedRecord);
    return UndoneChange{{at}, at};
}

std::optional<UndoneChange> undo(ClassFlagsEntry& entry, ClassList& students)
{
    UndoneChange done;
    for (const ClassFlagsEntry::Saved& saved : entry.students) {
        const int at = findStudent(students, saved.courseCode, saved.studentNumber, saved.studentIndex);
        if (at < 0)
            continue;
        storeFlags(students[static_cast<size_t>(at)], saved.flags);
        done.students.push_back(at);
    }
    if (done.students.empty())
        return std::nullopt;
    return done;
}

std::optional<UndoneChange> undo(StudentsEntry& entry, ClassList& students)
{
    UndoneChange done;
    for (UndoEntry& saved : entry.students)
        if (const std::optional<UndoneChange> one = undo(saved, students))
            done.students.push_back(one->students.front());
    if (done.students.empty())
        return std::nullopt;
    return done;
}

std::optional<UndoneChange> undo(WholeClassEntry& entry, ClassList& students)
{
    students = std::move(entry.students);
    UndoneChange done{{}, 0, true};
    return done;
}
} // namespace

void UndoStack::push(const StudentRecord& student, int index)
{
    entries_.push(UndoEntry{student, index});
}

void UndoStack::pushStudents(const ClassList& students, const std::vector<int>& indices)
{
    StudentsEntry entry;
    for (const int i : indices)
        entry.students.push_back(UndoEntry{students[static_cast<size_t>(i)], i});
    if (!entry.students.empty())
        entries_.push(std::move(entry));
}

void UndoStack::pushClassFlags(const ClassList& students, StudentFlag flag, bool on)
{
    ClassFlagsEntry entry;
    for (size_t i = 0; i < students.size(); ++i) {
        const FlagCells before = flagsOf(students[i]);
        if (before != flagsAfterHeadingClick(before, flag, on))
            entry.students.push_back({students[i].courseCode, students[i].studentNumber, static_cast<int>(i), before});
    }
    if (!entry.students.empty())
        entries_.push(std::move(entry));
}

void UndoStack::pushWholeClass(const ClassList& students)
{
    entries_.push(WholeClassEntry{students});
}

std::optional<UndoneChange> UndoStack::undoLatest(ClassList& students)
{
    std::optional<std::variant<UndoEntry, ClassFlagsEntry, StudentsEntry, WholeClassEntry>> latest = entries_.takeLatest();
    if (!latest)
        return std::nullopt;
    std::optional<UndoneChange> done = std::visit([&](auto& entry) { return undo(entry, students); }, *latest);
    if (!done)
        entries_.clear();
    return done;
}

} // namespace tq
