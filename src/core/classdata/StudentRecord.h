#pragma once
// One student of the open class, and the class itself.
#include <array>
#include <string>
#include <vector>

namespace tq {

struct StudentRecord {
    std::string courseCode;
    std::string studentNumber;
    std::string lastName;
    std::string firstName;
    std::string mark;
    std::string comment1, comment2, comment3, comment4, comment5;
    std::string skillResponsibility, skillOrganization, skillIndependentWork;
    std::string skillCollaboration, skillInitiative, skillSelfRegulation;
    std::string iep, esl, eld;
    std::string gender;
    std::string masterColumn8;
    bool hasFreeForm = false;
    std::string freeFormComment;
    std::string interview;

    bool operator==(const StudentRecord&) const = default;

    // Comment code k (1..5) and learning skill k (1..6, in the order R, O, W, C, I, S).
    std::string& comment(int k);
    const std::string& comment(int k) const;
    std::string& skill(int k);
    const std::string& skill(int k) const;
};

// The class: students in their current order. At most maxStudents records.
using ClassList = std::vector<StudentRecord>;
inline constexpr int maxStudents = 501;

inline constexpr int commentCount = 5;
inline constexpr int skillCount = 6;
inline constexpr const char* defaultSkill = "3";

// A new student taken from the master list: identity given, every entry empty, skills at "3".
StudentRecord newStudentRecord(const std::string& courseCode, const std::string& studentNumber,
                               const std::string& lastName, const std::string& firstName,
                               const std::string& gender, const std::string& masterColumn8);

// The student as reports and lists name one: the last name, a space, the first name.
std::string fullName(const StudentRecord& s);

// Where the student with this course and number stands in `students`, looking first at the place
// `wasAt` it had (a student in two courses is two students); -1 when it is not in the class.
int findStudent(const ClassList& students, const std::string& courseCode, const std::string& number, int wasAt = -1);
// Where `student` stands after the class was sorted or brought up to date: the same record, else
// the record of the same course and number (an update may change the rest); -1 when gone.
int findStudent(const ClassList& students, const StudentRecord& student);

// "123456789" shown as "123-456-789": first three, hyphen, characters 4 to 6, hyphen, last three.
std::string formatStudentNumber(const std::string& number);

} // namespace tq
