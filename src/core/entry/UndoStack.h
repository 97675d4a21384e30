#pragma once
// The main window's undo and redo: before each change of one student the whole record is kept, so
// that undo can put it back, latest change first. A click on a flag's heading, which sets or
// clears the flag for the whole class, is one step too: it keeps every student's flags. Taking a
// step back keeps what it replaced, so that redo can put that back in turn; a new change forgets
// what could be redone. Each step carries a few words saying what it was ("12 pasted marks").
#include "core/classdata/StudentRecord.h"
#include "core/entry/SnapshotUndo.h"
#include "core/entry/StudentFlags.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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

using UndoSnapshot = std::variant<UndoEntry, ClassFlagsEntry, StudentsEntry, WholeClassEntry>;

// One step: what it changed, as it was, and what it was, in words (Windows-1252, as names are).
struct UndoStep {
    UndoSnapshot saved;
    std::string description; // "" for a one-student change: worded when it is taken back
};

// What an undo or a redo put back.
struct UndoneChange {
    std::vector<int> students; // the students whose rows changed, where they stand now
    int shown = -1;            // the student to show; -1 after a heading click's undo
    bool wholeClass = false;   // the class was put back whole: every row may have changed
    std::string description;   // what the step was: "a mark for Ahmed Nadia", "an update"
};

class UndoStack {
public:
    static constexpr size_t capacity = SnapshotUndo<UndoStep>::capacity;

    // Each recording forgets what could be redone.
    // Records `student` (not yet changed) standing at `index`.
    void push(const StudentRecord& student, int index);
    // Records the students at `indices` (not yet changed) as one step described by
    // `description`. Nothing for no student.
    void pushStudents(const ClassList& students, const std::vector<int>& indices, std::string description);
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
    // Puts back what the latest undo took away, by the same rules; the step can be undone again.
    std::optional<UndoneChange> redoLatest(ClassList& students);

    // After a change no step records (a free-form comment): redo would put a whole record back
    // over it, so what could be redone is forgotten.
    void forgetRedo() { redo_.clear(); }
    void clear()
    {
        undo_.clear();
        redo_.clear();
    }
    size_t size() const { return undo_.size(); }
    bool empty() const { return undo_.empty(); }
    size_t redoSize() const { return redo_.size(); }
    bool canRedo() const { return !redo_.empty(); }

private:
    void record(UndoStep step);

    SnapshotUndo<UndoStep> undo_;
    SnapshotUndo<UndoStep> redo_;
};

// The words for a change of one student, from the record before and after it: "a mark for
// Ahmed Nadia", "a comment code for …", "a rating …", "a flag …", else "a change for …".
std::string describeStudentChange(const StudentRecord& before, const StudentRecord& after);
// The words for marks brought in from a markbook: "1 pasted mark", "12 imported marks", and with
// no `how`, "20 marks".
std::string describeMarks(size_t count, std::string_view how);

} // namespace tq
