#include "core/markbook/HeadingRow.h"

#include "core/markbook/OutsideMark.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tq {

namespace {
constexpr std::array<std::string_view, 8> numberWords = {"number", "no", "num", "nr", "id", "oen", "username", "email"};
constexpr std::array<std::string_view, 9> nameWords = {"name",  "names", "last",      "first",    "student",
                                                       "pupil", "surname", "lastname", "firstname"};

bool anyWordIn(const std::vector<std::string>& words, const auto& wanted)
{
    return std::any_of(words.begin(), words.end(), [&](const std::string& w) {
        return std::find(wanted.begin(), wanted.end(), w) != wanted.end();
    });
}

// A word ending in "id" as platforms join them ("OrgDefinedId", "StudentID").
bool endsInId(const std::vector<std::string>& words)
{
    return std::any_of(words.begin(), words.end(), [](const std::string& w) { return w.size() > 2 && w.ends_with("id"); });
}

int filledCells(const SheetRow& row)
{
    return static_cast<int>(std::count_if(row.begin(), row.end(), [](const std::string& c) {
        return c.find_first_not_of(" \t") != std::string::npos;
    }));
}

bool namesStudentsInAnyCell(const SheetRow& row)
{
    return std::any_of(row.begin(), row.end(), [](const std::string& c) { return headingNamesStudents(c); });
}

// The first row read as a heading without a heading word: no student, and text that is no mark.
bool firstRowLooksLikeHeading(const SheetRow& first, const StudentKeys& keys)
{
    if (rowNamesStudent(first, keys))
        return false;
    return std::any_of(first.begin(), first.end(),
                       [](const std::string& cell) { return readOutsideMark(cell).kind == OutsideMark::Kind::Refused; });
}
} // namespace

std::vector<std::string> headingWords(std::string_view heading)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : std::string(heading) + ' ') {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool headingNamesNumber(std::string_view heading)
{
    const std::vector<std::string> words = headingWords(heading);
    return anyWordIn(words, numberWords) || endsInId(words);
}

bool headingNamesStudents(std::string_view heading)
{
    return headingNamesNumber(heading) || anyWordIn(headingWords(heading), nameWords);
}

bool rowNamesStudent(const SheetRow& row, const StudentKeys& keys)
{
    return std::any_of(row.begin(), row.end(), [&](const std::string& cell) {
        return !keys.byNumber(cell).empty() || !keys.byFullName(cell).empty() || keys.isLastName(cell);
    });
}

int findHeadingRow(const SheetTable& sheet, const StudentKeys& keys)
{
    int first = 0, last = 0;
    for (size_t r = 0; r < sheet.rows.size() && r < headingRowsLooked; ++r) {
        const SheetRow& row = sheet.rows[r];
        if (rowNamesStudent(row, keys)) {
            if (last > 0)
                return last;
            break;
        }
        if (filledCells(row) >= 2 && namesStudentsInAnyCell(row)) {
            first = first > 0 ? first : static_cast<int>(r + 1);
            last = static_cast<int>(r + 1);
        }
    }
    if (first > 0)
        return first;
    return !sheet.rows.empty() && firstRowLooksLikeHeading(sheet.rows.front(), keys) ? 1 : 0;
}

} // namespace tq
