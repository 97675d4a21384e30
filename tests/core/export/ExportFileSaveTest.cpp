#include "core/export/ExportFile.h"
#include "support/SaveFaults.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

TEST(ExportFileSave, NoFailedWriteCostsTheTeacherAnEarlierEFile)
{
    const PhraseLibrary library({{"0101", "@ asks good questions, often", "1"}});
    StudentRecord s = newStudentRecord("SCH3U1-01", "123456789", "Ames", "Kim", "F", "11A");
    s.mark = "91";
    s.comment1 = "0101";
    const ClassList students{s, s};
    expectSaveSurvivesEveryFault(
        [&](const std::string& path, const ByteWriterFactory& w) {
            return writeExportFile(path, students, library, w);
        },
        "SCH3U101.trc", exportFileText(students, library));
}
