#pragma once
// The main window's undo: before each change of one student the whole record is kept, so that
// undo can put it back, latest change first.
#include "classdata/StudentRecord.h"
#include "entry/SnapshotUndo.h"

#include <cstddef>
#include <optional>

namespace tq {

struct UndoEntry {
    StudentRecord savedRecord; // the student as it was before the change
    int studentIndex = 0;      // where the student stands in the class
};

class UndoStack {
public:
    static constexpr size_t capacity = SnapshotUndo<UndoEntry>::capacity;

    // Records `student` (not yet changed) standing at `index`.
    void push(const StudentRecord& student, int index);

    // Takes the latest entry off the stack, with the index its student stands at now in
    // `students`: the class may have been sorted since (saving sorts it by name). An entry whose
    // student is no longer in the class belongs to a class that has since been replaced: it is
    // never applied, and the whole stack, which is then just as stale, is emptied.
    std::optional<UndoEntry> takeLatestFor(const ClassList& students);

    void clear() { entries_.clear(); }
    size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }

private:
    SnapshotUndo<UndoEntry> entries_;
};

} // namespace tq
