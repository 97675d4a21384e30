#pragma once
// The main window's undo: before each change of one student the whole record is kept, so that
// undo can put it back, latest change first. A click on a flag's heading, which sets or clears
// the flag for the whole class, is one step too: it keeps every student's flags.
#include "core/classdata/StudentRecord.h"
#include "core/entry/SnapshotUndo.h"
#include "core/entry/StudentFlags.h"

#include <cstddef>
#include <optional>
#include <variant>
#include <vector>

namespace tq {

// A change of one student.
struct UndoEntry {
    StudentRecord savedRecord; // the student as they were before the change
    int studentIndex = 0;      // where the student stood in the class
};

// A heading click: the flags of every student whose flags it changed, as they were.
struct ClassFlagsEntry {
    struct Saved {
        std::string courseCode, studentNumber; // who (a student in two courses is two students)
        int studentIndex = 0;
        FlagCells flags;
    };
    std::vector<Saved> students;
};

// A change of several students at once (marks brought in from a markbook): their whole records.
struct StudentsEntry {
    std::vector<UndoEntry> students;
};

// An update against the master list: the whole class as it was.
struct WholeClassEntry {
    ClassList students;
};

// What an undo put back.
struct UndoneChange {
    std::vector<int> students; // the students whose rows changed, where they stand now
    int shown = -1;            // the student to show; -1 after a heading click's undo
    bool wholeClass = false;   // the class was put back whole: every row may have changed
};

class UndoStack {
public:
    static constexpr size_t capacity = SnapshotUndo<UndoEntry>::capacity;

    // Records `student` (not yet changed) standing at `index`.
    void push(const StudentRecord& student, int index);
    // Records the students at `indices` (not yet changed) as one step. Nothing for no student.
    void pushStudents(const ClassList& students, const std::vector<int>& indices);
    // Records the class before its flag is set for everyone: the flags that `flag` set `on`
    // would change. Nothing is recorded when no student's flags would change.
    void pushClassFlags(const ClassList& students, StudentFlag flag, bool on);
    // Records the whole class before an update replaces it: one undo brings it all back.
    void pushWholeClass(const ClassList& students);

    // Puts the latest change back into `students`. Entries find their students where they stand
    // now: the class may have been sorted since (saving sorts it by name). An entry none of whose
    // students is in the class belongs to a class that has since been replaced: it is never
    // applied, and the whole stack, which is then just as stale, is emptied. Nothing when the
    // stack is empty or stale.
    std::optional<UndoneChange> undoLatest(ClassList& students);

    void clear() { entries_.clear(); }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    SnapshotUndo<std::variant<UndoEntry, ClassFlagsEntry, StudentsEntry, WholeClassEntry>> entries_;
};

} // namespace tq
