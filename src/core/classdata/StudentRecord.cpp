#include "core/classdata/StudentRecord.h"

#include <algorithm>

namespace tq {

namespace {
using Field = std::string StudentRecord::*;
constexpr std::array<Field, commentCount> commentFields{
    &StudentRecord::comment1, &StudentRecord::comment2, &StudentRecord::comment3,
    &StudentRecord::comment4, &StudentRecord::comment5};
constexpr std::array<Field, skillCount> skillFields{
    &StudentRecord::skillResponsibility, &StudentRecord::skillOrganization,
    &StudentRecord::skillIndependentWork, &StudentRecord::skillCollaboration,
    &StudentRecord::skillInitiative, &StudentRecord::skillSelfRegulation};
} // namespace

std::string& StudentRecord::comment(int k) { return this->*commentFields.at(static_cast<size_t>(k - 1)); }
const std::string& StudentRecord::comment(int k) const { return this->*commentFields.at(static_cast<size_t>(k - 1)); }
std::string& StudentRecord::skill(int k) { return this->*skillFields.at(static_cast<size_t>(k - 1)); }
const std::string& StudentRecord::skill(int k) const { return this->*skillFields.at(static_cast<size_t>(k - 1)); }

std::string fullName(const StudentRecord& s) { return s.lastName + " " + s.firstName; }

StudentRecord newStudentRecord(const std::string& courseCode, const std::string& studentNumber,
                               const std::string& lastName, const std::string& firstName,
                               const std::string& gender, const std::string& masterColumn8)
{
    StudentRecord s;
    s.courseCode = courseCode;
    s.studentNumber = studentNumber;
    s.lastName = lastName;
    s.firstName = firstName;
    s.gender = gender;
    s.masterColumn8 = masterColumn8;
    for (int k = 1; k <= skillCount; ++k)
        s.skill(k) = defaultSkill;
    return s;
}

namespace {
// The first three, middle three (characters 4 to 6) and last three characters of a number,
// as the display and the class file both cut it. Short numbers give shorter pieces.
struct NumberPieces { std::string first, middle, last; };
NumberPieces numberPieces(const std::string& n)
{
    NumberPieces p;
    p.first = n.substr(0, 3);
    p.middle = n.size() > 3 ? n.substr(3, 3) : std::string();
    p.last = n.size() > 3 ? n.substr(n.size() - 3) : n;
    return p;
}
} // namespace

std::string formatStudentNumber(const std::string& number)
{
    const NumberPieces p = numberPieces(number);
    std::string shown;
    shown.reserve(number.size() + 2);
    shown.append(p.first).append(1, '-').append(p.middle).append(1, '-').append(p.last);
    return shown;
}

int findStudent(const ClassList& students, const std::string& courseCode, const std::string& number, int wasAt)
{
    const auto standsAt = [&](size_t i) {
        return students[i].studentNumber == number && students[i].courseCode == courseCode;
    };
    if (wasAt >= 0 && static_cast<size_t>(wasAt) < students.size() && standsAt(static_cast<size_t>(wasAt)))
        return wasAt;
    for (size_t i = 0; i < students.size(); ++i)
        if (standsAt(i))
            return static_cast<int>(i);
    return -1;
}

int findStudent(const ClassList& students, const StudentRecord& student)
{
    const auto same = std::find(students.begin(), students.end(), student);
    if (same != students.end())
        return static_cast<int>(same - students.begin());
    return findStudent(students, student.courseCode, student.studentNumber);
}

} // namespace tq
