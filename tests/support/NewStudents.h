#pragma once
// A class of new students, as the master list gives them: no marks, no comments, every skill "3".
#include "core/classdata/StudentRecord.h"

#include <string>

namespace tq::test {

inline ClassList newStudents(int n, const std::string& course = "SNC2D1-01")
{
    ClassList c;
    for (int i = 0; i < n; ++i)
        c.push_back(newStudentRecord(course, std::to_string(200000000 + i), "Last" + std::to_string(i),
                                     i % 2 ? "Sam" : "Alex", i % 2 ? "M" : "F", ""));
    return c;
}

} // namespace tq::test
