#include "core/markbook/ClipboardText.h"

#include "core/base/Cp1252.h"
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

namespace {
// Windows-1252 bytes as HTML text: UTF-8, with the characters that HTML reads as markup escaped.
std::string htmlText(std::string_view bytes)
{
    std::string html;
    for (const char c : cp1252ToUtf8(bytes)) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        default: html += c;
        }
    }
    return html;
}

constexpr int idColumn = 0; // "Student ID"

bool isTextColumn(int column)
{
    return column == idColumn || (column >= firstCommentColumn && column < firstCommentColumn + commentCount);
}
} // namespace

std::string gridCopyHtml(const ClassList& students, bool showCourseCodes, const std::vector<int>& columns)
{
    // "@" is the text format: sdnum for LibreOffice, mso-number-format for Excel.
    static constexpr const char* textCell = "<td sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">";
    const auto row = [&](const GridRow& cells, bool heading) {
        std::string html = "<tr>";
        for (const int c : columns) {
            const std::string& cell = cells[static_cast<size_t>(c)];
            if (heading)
                html += "<th>" + htmlText(trimBlanks(cell)) + "</th>";
            else
                html += (isTextColumn(c) ? textCell : "<td>") + htmlText(cell) + "</td>";
        }
        return html + "</tr>\n";
    };
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body><table>\n" + row(gridHeadings(), true);
    for (const StudentRecord& s : students)
        html += row(gridRowCells(s, showCourseCodes), false);
    return html + "</table></body></html>\n";
}

} // namespace tq
