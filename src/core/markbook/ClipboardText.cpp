#include "core/markbook/ClipboardText.h"

#include "core/base/TrimBlanks.h"
#include "core/entry/ClassGridLayout.h"
#include "core/markbook/DelimitedSheet.h"

namespace tq {

SheetTable pastedSheet(std::string_view text)
{
    return readDelimitedText(text, '\t', "Clipboard");
}

std::string gridCopyText(const ClassList& students, bool showCourseCodes, const std::vector<int>& columns)
{
    const auto line = [&](const GridRow& cells, bool heading) {
        std::string text;
        for (size_t i = 0; i < columns.size(); ++i) {
            const std::string& cell = cells[static_cast<size_t>(columns[i])];
            text += (i ? "\t" : "") + (heading ? std::string(trimBlanks(cell)) : cell);
        }
        return text + "\r\n";
    };
    std::string text = line(gridHeadings(), true);
    for (const StudentRecord& s : students)
        text += line(gridRowCells(s, showCourseCodes), false);
    return text;
}

} // namespace tq
