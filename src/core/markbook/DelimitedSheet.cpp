#include "core/markbook/DelimitedSheet.h"

#include "core/base/Cp1252.h"

#include <array>

namespace tq {

namespace {
// Calls `field(text, endsRow)` for each field of `text` split by `separator`, until it returns
// false. Quotes are honoured: "a;b" is one field, "" inside quotes is one quote.
template <typename OnField>
void splitFields(std::string_view text, char separator, OnField&& field)
{
    std::string cell;
    std::string noCell;
    size_t i = 0;
    const size_t n = text.size();
    bool rowHasContent = false;
    while (i < n) {
        cell.clear();
        if (text[i] == '"') {
            ++i;
            for (;;) {
                const size_t quote = text.find('"', i);
                if (quote == std::string_view::npos) {
                    cell.append(text.substr(i));
                    i = n;
                    break;
                }
                cell.append(text.substr(i, quote - i));
                i = quote + 1;
                if (i < n && text[i] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    break;
                }
            }
            // Anything between the closing quote and the separator is kept, as spreadsheets do.
            while (i < n && text[i] != separator && text[i] != '\n' && text[i] != '\r')
                cell += text[i++];
        } else {
            const size_t start = i;
            while (i < n && text[i] != separator && text[i] != '\n' && text[i] != '\r')
                ++i;
            cell.assign(text.substr(start, i - start));
        }
        rowHasContent = rowHasContent || !cell.empty() || (i < n && text[i] == separator);
        bool endsRow = true;
        if (i < n && text[i] == separator) {
            endsRow = false;
            ++i;
        } else if (i < n) {
            i += (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
        }
        if (!field(cell, endsRow, rowHasContent))
            return;
        if (endsRow)
            rowHasContent = false;
        // A separator at the very end still closes one more (empty) field.
        if (!endsRow && i == n && !field(noCell, true, true))
            return;
    }
}
} // namespace

char findSeparator(std::string_view text)
{
    constexpr std::array<char, 3> candidates = {'\t', ';', ','};
    constexpr size_t linesLooked = 10;
    char best = ',';
    size_t bestFields = 1;
    bool bestSteady = false;
    for (const char separator : candidates) {
        std::vector<size_t> fieldsPerLine;
        size_t fields = 0;
        splitFields(text, separator, [&](const std::string&, bool endsRow, bool hasContent) {
            ++fields;
            if (endsRow) {
                if (hasContent)
                    fieldsPerLine.push_back(fields);
                fields = 0;
            }
            return fieldsPerLine.size() < linesLooked;
        });
        if (fieldsPerLine.empty() || fieldsPerLine.front() < 2)
            continue;
        bool steady = true;
        for (const size_t f : fieldsPerLine)
            steady = steady && f == fieldsPerLine.front();
        // A separator that splits every line alike outranks one that splits more but unevenly.
        if ((steady && !bestSteady) || (steady == bestSteady && fieldsPerLine.front() > bestFields)) {
            best = separator;
            bestFields = fieldsPerLine.front();
            bestSteady = steady;
        }
    }
    return best;
}

namespace {
// The text split into rows until the limits are reached; false when they were. An empty line
// (or one of separators only) is a row of empty cells, so every row keeps the sheet's row number;
// the empty rows after the last row with content are dropped.
bool splitRows(std::string_view text, char separator, SheetTable& sheet, const SheetReadLimits* limits)
{
    SheetRow row;
    size_t cells = 0;
    bool fits = true;
    splitFields(text, separator, [&](std::string& cell, bool endsRow, bool) {
        row.push_back(std::move(cell));
        ++cells;
        if (endsRow) {
            sheet.rows.push_back(std::move(row));
            row.clear();
        }
        fits = !limits || (sheet.rows.size() <= limits->maxTextRows && cells <= limits->maxCells);
        return fits;
    });
    const auto hasContent = [](const SheetRow& r) { return r.size() > 1 || !r.front().empty(); };
    while (!sheet.rows.empty() && !hasContent(sheet.rows.back()))
        sheet.rows.pop_back();
    return fits;
}
} // namespace

SheetReadResult readDelimitedSheet(std::string_view bytes, const std::string& name, const SheetReadLimits& limits)
{
    SheetReadResult result;
    if (bytes.size() > limits.maxTextFileBytes)
        return {{}, SheetBudget::textTooLargeMessage(limits)};
    // Well-formed UTF-8 is split where it lies; only other text is copied as it is converted.
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::string converted;
    if (!isWellFormedUtf8(bytes))
        converted = cp1252ToUtf8(bytes);
    const std::string_view text = converted.empty() ? bytes : std::string_view(converted);
    SheetTable sheet;
    sheet.name = name;
    if (!splitRows(text, findSeparator(text), sheet, &limits))
        return {{}, SheetBudget::textTooLargeMessage(limits)};
    result.sheets.push_back(std::move(sheet));
    return result;
}

SheetTable readDelimitedText(std::string_view text, char separator, const std::string& name)
{
    SheetTable sheet;
    sheet.name = name;
    splitRows(text, separator, sheet, nullptr);
    return sheet;
}

} // namespace tq
