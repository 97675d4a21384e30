#pragma once
// What the parts of the main window ask of the window that composes them: to keep a student's
// record for undo before it changes, and to show a student again after a change.
#include "core/entry/StudentFlags.h"

namespace tq {

class EntryHost {
public:
    // Before one student's record changes: undo keeps it, and the recovery copy follows.
    virtual void studentChanging(int studentIndex) = 0;
    // Before `flag` is set (`on`) or cleared for the whole class: one undo step keeps every flag.
    virtual void classFlagsChanging(StudentFlag flag, bool on) = 0;
    virtual void displayDetails(int studentIndex) = 0;
    virtual void redrawStudentRow(int studentIndex) = 0;
    // The grid shows the comment columns (rather than the skills).
    virtual bool commentsView() const = 0;
    virtual bool showCourseCodes() const = 0;

protected:
    ~EntryHost() = default;
};

} // namespace tq
