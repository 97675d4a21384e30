#include "classdata/ClassSort.h"

#include "classdata/CsvText.h"

#include <algorithm>
#include <vector>

namespace tq {

namespace {
// std::string compares with char_traits<char>, whose compare is memcmp-like on unsigned bytes:
// exactly the byte order the class lists need, accented Windows-1252 letters after 'z'.
bool nameBefore(const StudentRecord& a, const StudentRecord& b)
{
    const int last = a.lastName.compare(b.lastName);
    return last < 0 || (last == 0 && a.firstName < b.firstName);
}
} // namespace

void sortByName(ClassList& students)
{
    std::stable_sort(students.begin(), students.end(), nameBefore);
}

void sortByMark(ClassList& students)
{
    // Compute each mark's value once rather than on every comparison.
    std::vector<std::pair<double, size_t>> keys(students.size());
    for (size_t i = 0; i < students.size(); ++i)
        keys[i] = {leadingNumber(students[i].mark), i};
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    ClassList sorted;
    sorted.reserve(students.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(students[key.second]));
    students = std::move(sorted);
}

void sortByCourse(ClassList& students)
{
    std::stable_sort(students.begin(), students.end(), [](const StudentRecord& a, const StudentRecord& b) {
        const int course = a.courseCode.compare(b.courseCode);
        return course < 0 || (course == 0 && nameBefore(a, b));
    });
}

} // namespace tq
