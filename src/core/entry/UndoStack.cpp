#include "core/entry/UndoStack.h"

namespace tq {

namespace {

// What applying a step did, and the step that takes it back in turn.
struct Applied {
    UndoneChange change;
    UndoSnapshot reverse;
};

std::optional<Applied> apply(UndoEntry& entry, ClassList& students)
{
    const StudentRecord& saved = entry.savedRecord;
    const int at = findStudent(students, saved.courseCode, saved.studentNumber, entry.studentIndex);
    if (at < 0)
        return std::nullopt;
    StudentRecord& now = students[static_cast<size_t>(at)];
    Applied done{UndoneChange{{at}, at, false, describeStudentChange(now, saved)}, UndoEntry{now, at}};
    now = std::move(entry.savedRecord);
    return done;
}

std::optional<Applied> apply(ClassFlagsEntry& entry, ClassList& students)
{
    Applied done{{}, ClassFlagsEntry{}};
    auto& reverse = std::get<ClassFlagsEntry>(done.reverse);
    for (const ClassFlagsEntry::Saved& saved : entry.students) {
        const int at = findStudent(students, saved.courseCode, saved.studentNumber, saved.studentIndex);
        if (at < 0)
            continue;
        StudentRecord& now = students[static_cast<size_t>(at)];
        reverse.students.push_back({saved.courseCode, saved.studentNumber, at, flagsOf(now)});
        storeFlags(now, saved.flags);
        done.change.students.push_back(at);
    }
    if (done.change.students.empty())
        return std::nullopt;
    return done;
}

std::optional<Applied> apply(StudentsEntry& entry, ClassList& students)
{
    Applied done{{}, StudentsEntry{}};
    auto& reverse = std::get<StudentsEntry>(done.reverse);
    for (UndoEntry& saved : entry.students)
        if (std::optional<Applied> one = apply(saved, students)) {
            done.change.students.push_back(one->change.shown);
            reverse.students.push_back(std::get<UndoEntry>(std::move(one->reverse)));
        }
    if (done.change.students.empty())
        return std::nullopt;
    return done;
}

std::optional<Applied> apply(WholeClassEntry& entry, ClassList& students)
{
    Applied done{UndoneChange{{}, 0, true, {}}, WholeClassEntry{std::move(students)}};
    students = std::move(entry.students);
    return done;
}

// Takes the latest step of `from` back into `students` and keeps its reverse on `to`. A stale
// step (its students are gone) empties `from`, which is just as stale.
std::optional<UndoneChange> step(SnapshotUndo<UndoStep>& from, SnapshotUndo<UndoStep>& to, ClassList& students)
{
    std::optional<UndoStep> latest = from.takeLatest();
    if (!latest)
        return std::nullopt;
    std::optional<Applied> done = std::visit([&](auto& saved) { return apply(saved, students); }, latest->saved);
    if (!done) {
        from.clear();
        return std::nullopt;
    }
    // A one-student step is worded as it is first taken back and keeps those words.
    if (latest->description.empty())
        latest->description = done->change.description;
    done->change.description = latest->description;
    to.push(UndoStep{std::move(done->reverse), std::move(latest->description)});
    return std::move(done->change);
}

const char* flagName(StudentFlag flag)
{
    switch (flag) {
    case StudentFlag::Iep: return "IEP";
    case StudentFlag::Esl: return "ESL";
    case StudentFlag::Eld: return "ELD";
    case StudentFlag::Interview: return "the interview request";
    }
    return "";
}

template <typename Field>
bool anyDiffers(const StudentRecord& a, const StudentRecord& b, int count, Field field)
{
    for (int k = 1; k <= count; ++k)
        if (field(a, k) != field(b, k))
            return true;
    return false;
}

} // namespace

std::string describeStudentChange(const StudentRecord& before, const StudentRecord& after)
{
    const char* what = "a change";
    if (before.mark != after.mark)
        what = "a mark";
    else if (before.hasFreeForm != after.hasFreeForm ||
             anyDiffers(before, after, commentCount, [](const StudentRecord& s, int k) { return s.comment(k); }))
        what = "a comment code";
    else if (anyDiffers(before, after, skillCount, [](const StudentRecord& s, int k) { return s.skill(k); }))
        what = "a rating";
    else if (flagsOf(before) != flagsOf(after))
        what = "a flag";
    return std::string(what) + " for " + fullName(after);
}

std::string describeMarks(size_t count, std::string_view how)
{
    std::string words = std::to_string(count);
    if (!how.empty())
        (words += ' ') += how;
    return words + (count == 1 ? " mark" : " marks");
}

void UndoStack::record(UndoStep step)
{
    undo_.push(std::move(step));
    redo_.clear();
}

void UndoStack::push(const StudentRecord& student, int index)
{
    record(UndoStep{UndoEntry{student, index}, {}});
}

void UndoStack::pushStudents(const ClassList& students, const std::vector<int>& indices, std::string description)
{
    StudentsEntry entry;
    for (const int i : indices)
        entry.students.push_back(UndoEntry{students[static_cast<size_t>(i)], i});
    if (!entry.students.empty())
        record(UndoStep{std::move(entry), std::move(description)});
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
        record(UndoStep{std::move(entry), std::string(flagName(flag)) + (on ? " set" : " cleared") + " for the class"});
}

void UndoStack::pushWholeClass(const ClassList& students)
{
    record(UndoStep{WholeClassEntry{students}, "an update"});
}

std::optional<UndoneChange> UndoStack::undoLatest(ClassList& students)
{
    return step(undo_, redo_, students);
}

std::optional<UndoneChange> UndoStack::redoLatest(ClassList& students)
{
    return step(redo_, undo_, students);
}

} // namespace tq
