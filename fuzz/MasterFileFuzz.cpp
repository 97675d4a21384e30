// The master file readers: the class-code list for the Get Class dialog, then the membership
// read for the first codes of that list, as a new class or an update would ask for them.
#include "FuzzSupport.h"
#include "core/classdata/CsvText.h"
#include "core/classdata/MasterFile.h"

#include <algorithm>
#include <cstdint>

using namespace tq;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = fuzz::inputText(data, size);
    const ClassCodeList list = classCodesFromMasterText(text);
    fuzz::check(list.codes.size() <= maxClassCodes, "at most 2001 class codes");
    fuzz::check(list.message.has_value() == list.codes.empty(), "a message exactly when there are no codes");
    fuzz::check(std::is_sorted(list.codes.begin(), list.codes.end()), "codes in ascending order");
    fuzz::check(std::adjacent_find(list.codes.begin(), list.codes.end()) == list.codes.end(), "codes unique");
    for (const std::string& code : list.codes) {
        fuzz::check(!code.empty() && code.find(' ') == std::string::npos, "a code is one word");
        fuzz::check(!isExcludedClassCode(code), "LUNCH, SH1 and Z codes are left out");
    }

    // Skipping fields a whole word at a time leaves what taking them one by one leaves.
    for (const std::string_view line : lineViews(text)) {
        std::string_view taken = line;
        bool ok = true;
        for (size_t count = 0; count <= 16 && ok; ++count) {
            const std::optional<std::string_view> skipped = skipCsvFields(line, count);
            fuzz::check(skipped.has_value() && *skipped == taken, "skipped fields leave the same rest");
            ok = nextCsvField(taken).has_value();
            if (!ok)
                fuzz::check(!skipCsvFields(line, count + 1), "an unclosed quote refuses the skip too");
        }
        // The field count is the reader's: after all but the last field, one field is left.
        const size_t fields = csvFieldCount(line);
        const std::optional<std::string_view> last = skipCsvFields(line, fields - 1);
        fuzz::check(!last || csvFieldCount(*last) == 1, "the field count matches the reader");
    }

    // A text cut inside its last student line (before its fifteenth field) is never whole, and a
    // whole text has a student line the reader can take.
    if (masterTextLooksWhole(text)) {
        const std::vector<std::string_view> lines = lineViews(text);
        fuzz::check(lines.size() >= 2, "a whole file has a student line");
        std::string_view lastLine = lines.back();
        for (size_t i = lines.size(); i-- > 1 && lastLine.find_first_not_of(' ') == std::string_view::npos;)
            lastLine = lines[i - 1];
        const size_t comma = lastLine.find(',');
        if (comma != std::string_view::npos && lastLine.find('"') == std::string_view::npos &&
            !trimSpaces(lastLine.substr(0, comma)).empty())
            fuzz::check(!masterTextLooksWhole(text.substr(0, static_cast<size_t>(lastLine.data() - text.data()) + comma)),
                        "a last line cut after its first field is not whole");
    }

    std::vector<std::string> wanted(list.codes.begin(), list.codes.begin() + std::min<size_t>(3, list.codes.size()));
    wanted.emplace_back("ENG2D1-01");
    const std::optional<ClassList> students = masterStudentsFromText(text, wanted);
    // A file whose code list was built is one the student reader can read too.
    if (!list.codes.empty())
        fuzz::check(masterStudentsFromText(text, wanted, SIZE_MAX).has_value(),
                    "the student reader reads what the code list read");
    if (students) {
        fuzz::check(students->size() <= static_cast<size_t>(maxStudents), "at most 501 students");
        for (const StudentRecord& s : *students)
            fuzz::check(std::find(wanted.begin(), wanted.end(), s.courseCode) != wanted.end(),
                        "every student is under a wanted code");
    }
    return 0;
}
