// The class file reader: any file must give a class of at most 501 students or TQ8. A class that
// reads must also make an eFile of exactly one line per student, whatever its names and comments,
// and a Class Summary that counts every student once, whatever the marks.
#include "FuzzSupport.h"
#include "core/classdata/ClassFile.h"
#include "core/export/ExportFile.h"
#include "core/reports/ClassSummary.h"

#include <numeric>

using namespace tq;

namespace {
// Phrases with every placeholder, so that the comments of the fuzzed students are composed.
const PhraseLibrary& library()
{
    static const PhraseLibrary lib({{"0101", "@ works well, and # helps $ friends", "A"},
                                    {"0102", "\"% effort shows in * work, ~ says.\"", "B"},
                                    {"0201", "", ""}});
    return lib;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::variant<ClassList, Message> read = parseClassFileText(fuzz::inputText(data, size));
    if (const Message* refused = std::get_if<Message>(&read)) {
        fuzz::check(*refused == invalidClassFileMessage(), "a refused class file gives TQ8");
        return 0;
    }
    const ClassList& students = std::get<ClassList>(read);
    fuzz::check(!students.empty() && students.size() <= static_cast<size_t>(maxStudents),
                "a class holds 1 to 501 students");
    fuzz::check(splitLines(exportFileText(students, library())).size() == students.size(),
                "the eFile holds one line per student");
    const ClassSummary summary = summarizeClass(students);
    fuzz::check(summary.marked + summary.incomplete + summary.unmarked + summary.other == summary.students &&
                    std::accumulate(summary.marks.bands.begin(), summary.marks.bands.end(), 0) == summary.marked,
                "the summary counts every student once and every mark in one band");
    return 0;
}
