#include "core/markbook/SheetChoice.h"

#include "core/base/Cp1252.h"

#include <unicode/unistr.h>

#include <set>

namespace tq {

namespace {
// Text in Unicode lower case, for names compared without case.
std::string foldedCase(const std::string& utf8)
{
    std::string folded;
    icu::UnicodeString::fromUTF8(utf8).foldCase().toUTF8String(folded);
    return folded;
}

// How many students of the class the sheet's rows name, each once.
int studentsNamed(const SheetTable& sheet, const MarkbookChoice& choice, const StudentKeys& keys)
{
    if (choice.key.kind == KeyKind::None)
        return 0;
    std::set<int> named;
    for (size_t r = static_cast<size_t>(choice.headingRow); r < sheet.rows.size(); ++r)
        if (const std::vector<int> found = keys.matches(sheet.rows[r], choice.key); found.size() == 1)
            named.insert(found.front());
    return static_cast<int>(named.size());
}

bool namesCourse(const std::string& sheetName, const ClassList& students)
{
    const std::string name = foldedCase(sheetName);
    for (const StudentRecord& s : students) {
        const std::string code = foldedCase(cp1252ToUtf8(s.courseCode));
        const std::string course = code.substr(0, code.find('-')); // "ENG2D1" of "ENG2D1-01"
        if (!course.empty() && name.find(course) != std::string::npos)
            return true;
    }
    return false;
}

// `column` as the summary names it: `column K "Final Mark"`, or `column K` without a heading.
std::string columnWords(const SheetRow* heading, int column)
{
    std::string words = "column " + columnLetters(column);
    if (heading && !cellAt(*heading, column).empty())
        words += " \"" + cellAt(*heading, column) + "\"";
    return words;
}
} // namespace

SheetProposal proposeSheet(const std::vector<SheetTable>& sheets, const ClassList& students, KeyKind wantedKey)
{
    const StudentKeys keys(students);
    SheetProposal best;
    bool bestNamesCourse = false;
    for (size_t i = 0; i < sheets.size(); ++i) {
        const MarkbookChoice choice = proposeChoice(sheets[i], students, wantedKey);
        const int matched = studentsNamed(sheets[i], choice, keys);
        const bool course = sheets.size() > 1 && namesCourse(sheets[i].name, students);
        if (best.sheet < 0 || matched > best.matched || (matched == best.matched && course && !bestNamesCourse)) {
            best = {static_cast<int>(i), choice, matched};
            bestNamesCourse = course;
        }
    }
    return best;
}

int sheetNamed(const std::vector<SheetTable>& sheets, const std::string& name)
{
    for (size_t i = 0; i < sheets.size(); ++i)
        if (sheets[i].name == name)
            return static_cast<int>(i);
    for (size_t i = 0; i < sheets.size(); ++i)
        if (foldedCase(sheets[i].name) == foldedCase(name))
            return static_cast<int>(i);
    return -1;
}

std::string quotedSheetNames(const std::vector<SheetTable>& sheets)
{
    std::string names;
    for (const SheetTable& sheet : sheets)
        names += (names.empty() ? "\"" : ", \"") + sheet.name + "\"";
    return names;
}

std::string readSummary(const SheetTable& sheet, const MarkbookChoice& choice)
{
    const SheetRow* heading = headingOf(sheet, choice.headingRow);
    std::string text = "Read sheet \"" + sheet.name + "\", " +
                       (heading ? "headings on row " + std::to_string(choice.headingRow) : std::string("no heading row"));
    switch (choice.key.kind) {
    case KeyKind::None: text += ", no column naming the students"; break;
    case KeyKind::LastFirst:
        text += ", students by " + columnWords(heading, choice.key.first) + " and " + columnWords(heading, choice.key.second);
        break;
    default: text += ", students by " + columnWords(heading, choice.key.first); break;
    }
    if (choice.mark.column < 0)
        text += ", no column of marks";
    else if (choice.mark.denominator >= 0)
        text += ", marks from " + columnWords(heading, choice.mark.column) + " over " +
                columnWords(heading, choice.mark.denominator);
    else
        text += ", marks from " + columnWords(heading, choice.mark.column);
    return text + ".";
}

} // namespace tq
