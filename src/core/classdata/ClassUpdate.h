#pragma once
// Bringing the open class into line with the current master list.
#include "core/base/Clock.h"
#include "core/base/Message.h"
#include "core/classdata/StudentRecord.h"

#include <string>
#include <vector>

namespace tq {

struct ClassUpdateResult {
    std::vector<StudentRecord> addedStudents;   // in the master list, not in the class
    std::vector<StudentRecord> droppedStudents; // in the class, no longer in the master list
    bool failed = false;                        // the class is then exactly as it was
    MaybeMessage message;                       // TQ4, TQ5, TQ24 or TQ25 when failed
};

// The capacities of the added and dropped lists that the main window's Update command passes.
inline constexpr size_t updateListCapacity = 101;

// Rebuilds `students` from the master file: students still enrolled under their course code keep
// every entry (and their gender and column 8) and take the master list's current names; new ones
// come with empty entries; the others are dropped. An empty class is left alone. A master file
// that is not whole (TQ24, after one wait through `pause`) or holds none of the class's students
// (TQ25) fails the update: a class is never emptied by one.
ClassUpdateResult updateClassFromMaster(ClassList& students, const std::string& masterPath, const Clock& now,
                                        size_t addedCapacity, size_t droppedCapacity,
                                        const Pause& pause = systemPause());

// The distinct course codes of a class, in order of first occurrence.
std::vector<std::string> classCourseCodes(const ClassList& students);

inline constexpr size_t maxCourseCodes = 300;

} // namespace tq
