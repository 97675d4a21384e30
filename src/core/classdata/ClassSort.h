#pragma once
// The three orders of the class. Each is stable: students that compare equal keep their order.
// Text compares byte by byte (capitals before small letters, a prefix before the longer text).
#include "core/classdata/StudentRecord.h"

namespace tq {

void sortByName(ClassList& students);   // last name, then first name
void sortByMark(ClassList& students);   // leading numeric value of the mark, highest first
void sortByCourse(ClassList& students); // course code, then by name

} // namespace tq
