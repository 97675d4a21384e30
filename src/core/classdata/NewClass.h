#pragma once
// Building a new class from the master list: the class codes the teacher chose, and the students
// enrolled in them, each as a fresh record under the code it was found with.
#include "core/base/Message.h"
#include "core/classdata/StudentRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace tq {

// At most this many class codes can be chosen at once in multi-course mode.
inline constexpr size_t maxChosenCodes = 300;

struct NewClassBuild {
    // The new class: in master-file order and, within one student's line, in ascending code
    // order, so a student in two chosen codes comes twice, the lower code first.
    std::optional<ClassList> students;
    // Why no class was built. Neither is set when nothing was chosen: the teacher simply has not
    // picked a class yet.
    MaybeMessage message;
};

// Builds the class of the chosen codes from the master file at `masterPath`. Empty codes are
// ignored and each code counts once. The open class is never touched here: the caller replaces
// it only when `students` is set.
NewClassBuild buildNewClass(const std::string& masterPath, std::vector<std::string> codes);

Message noStudentsInChosenClassesMessage(); // TQ10c
Message tooManyStudentsMessage();           // TQ10d
Message tooManyChosenCodesMessage();        // TQ10e

} // namespace tq
