#include "core/markbook/MarkColumns.h"

#include "core/markbook/HeadingRow.h"
#include "core/markbook/OutsideMark.h"

#include <algorithm>
#include <cctype>

namespace tq {

namespace {
std::string lowerAscii(std::string_view s)
{
    std::string lower(s);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool hasWord(const std::vector<std::string>& words, const char* word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool isDenominatorHeading(std::string_view heading) { return lowerAscii(heading).ends_with("denominator"); }

bool namesFinalMark(std::string_view heading)
{
    const std::vector<std::string> words = headingWords(heading);
    return hasWord(words, "final") || hasWord(words, "term") || hasWord(words, "overall");
}

bool isKeyColumn(const KeyColumns& key, int column)
{
    return key.kind != KeyKind::None && (column == key.first || column == key.second);
}

// More than half of the source's non-empty cells (and at least one) are marks.
bool mostlyMarks(const std::vector<SheetRow>& rows, size_t from, const MarkSource& source)
{
    int marks = 0, filled = 0;
    for (size_t r = from; r < rows.size() && r < from + proposalRows; ++r) {
        const OutsideMark m = markInRow(rows[r], source);
        filled += m.kind == OutsideMark::Kind::Empty ? 0 : 1;
        marks += m.accepted() ? 1 : 0;
    }
    return marks > 0 && 2 * marks > filled;
}
} // namespace

const SheetRow* headingOf(const SheetTable& sheet, int headingRow)
{
    return headingRow >= 1 && static_cast<size_t>(headingRow) <= sheet.rows.size()
               ? &sheet.rows[static_cast<size_t>(headingRow - 1)]
               : nullptr;
}

OutsideMark markInRow(const SheetRow& row, const MarkSource& source)
{
    if (source.denominator >= 0)
        return readFractionMark(cellAt(row, source.column), cellAt(row, source.denominator));
    return readOutsideMark(cellAt(row, source.column));
}

MarkSource markSourceFor(const SheetRow* heading, int column)
{
    MarkSource source{column, -1};
    if (!heading)
        return source;
    const std::string name = lowerAscii(cellAt(*heading, column));
    if (!name.ends_with("numerator"))
        return source;
    const std::string wanted = name.substr(0, name.size() - 9) + "denominator";
    for (size_t c = 0; c < heading->size(); ++c)
        if (lowerAscii((*heading)[c]) == wanted)
            source.denominator = static_cast<int>(c);
    return source;
}

MarkSource proposeMarkSource(const SheetTable& sheet, int headingRow, const KeyColumns& key)
{
    const SheetRow* heading = headingOf(sheet, headingRow);
    const size_t firstData = heading ? static_cast<size_t>(headingRow) : 0;
    const int columns = columnCount(sheet.rows);
    const auto usable = [&](int c) { return !isKeyColumn(key, c) && !(heading && isDenominatorHeading(cellAt(*heading, c))); };
    const auto holdsMarks = [&](int c) { return mostlyMarks(sheet.rows, firstData, markSourceFor(heading, c)); };
    for (int c = columns - 1; heading && c >= 0; --c)
        if (usable(c) && namesFinalMark(cellAt(*heading, c)) && holdsMarks(c))
            return markSourceFor(heading, c);
    for (int c = columns - 1; c >= 0; --c)
        if (usable(c) && holdsMarks(c))
            return markSourceFor(heading, c);
    return {};
}

std::string columnLetters(int column)
{
    std::string letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

int columnNamed(const SheetTable& sheet, int headingRow, const std::string& text)
{
    const int columns = columnCount(sheet.rows);
    if (const SheetRow* headingRowCells = headingOf(sheet, headingRow)) {
        const SheetRow& heading = *headingRowCells;
        for (int pass = 0; pass < 2; ++pass)
            for (int c = 0; c < columns; ++c)
                if (pass == 0 ? cellAt(heading, c) == text : lowerAscii(cellAt(heading, c)) == lowerAscii(text))
                    return c;
    }
    if (!text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        const int n = text.size() > 6 ? 0 : std::stoi(text);
        return n >= 1 && n <= columns ? n - 1 : -1;
    }
    std::string upper = text;
    for (char& ch : upper)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    for (int c = 0; c < columns; ++c)
        if (columnLetters(c) == upper)
            return c;
    return -1;
}

} // namespace tq
