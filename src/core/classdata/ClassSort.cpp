#include "core/classdata/ClassSort.h"

#include "core/classdata/CsvText.h"

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

// Sorts positions rather than records, then moves each record once into its place: a record
// is two dozen strings, too heavy to shift about at every step of the sort.
template <typename Before>
void stableSortRecords(ClassList& students, Before before)
{
    std::vector<size_t> order(students.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return before(a, b); });
    ClassList sorted;
    sorted.reserve(students.size());
    for (const size_t i : order)
        sorted.push_back(std::move(students[i]));
    students = std::move(sorted);
}
} // namespace

void sortByName(ClassList& students)
{
    stableSortRecords(students, [&](size_t a, size_t b) { return nameBefore(students[a], students[b]); });
}

void sortByMark(ClassList& students)
{
    // Compute each mark's value once rather than on every comparison.
    std::vector<double> marks(students.size());
    for (size_t i = 0; i < students.size(); ++i)
        marks[i] = leadingNumber(students[i].mark);
    stableSortRecords(students, [&](size_t a, size_t b) { return marks[a] > marks[b]; });
}

void sortByCourse(ClassList& students)
{
    stableSortRecords(students, [&](size_t a, size_t b) {
        const int course = students[a].courseCode.compare(students[b].courseCode);
        return course < 0 || (course == 0 && nameBefore(students[a], students[b]));
    });
}

} // namespace tq
