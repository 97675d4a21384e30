#include "core/markbook/PreviewWords.h"

#include "core/base/Cp1252.h"

namespace tq {

std::vector<std::string> previewCellWords(const StudentPreview& preview, const StudentRecord& student)
{
    const std::string oldMark = cp1252ToUtf8(preview.oldMark);
    std::string newMark;
    if (preview.newMark.empty())
        newMark = "no new mark";
    else if (preview.newMark == preview.oldMark)
        newMark = "new mark " + preview.shown + ", unchanged";
    else
        newMark = "new mark " + preview.shown;
    return {cp1252ToUtf8(listedName(student)), oldMark.empty() ? "no old mark" : "old mark " + oldMark, newMark,
            sheetRowWords(preview.sourceRow),
            preview.initialValues.empty() ? "initial values unchanged" : "initial values " + preview.initialValues};
}

std::string sheetRowWords(int row) { return row > 0 ? "row " + std::to_string(row) : "no row"; }

std::string sheetCellWords(const std::string& columnLetters, const std::string& text)
{
    return columnLetters + ", " + (text.empty() ? std::string("empty") : text);
}

int firstPastedStudent(const ImportPlan& plan)
{
    int found = 0;
    int foundRow = 0;
    for (const StudentPreview& p : plan.students)
        if (p.sourceRow > 0 && (foundRow == 0 || p.sourceRow < foundRow)) {
            found = p.student;
            foundRow = p.sourceRow;
        }
    return found;
}

} // namespace tq
