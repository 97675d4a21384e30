#include "core/markbook/RowLabels.h"

#include "core/markbook/HeadingRow.h"
#include "core/markbook/OutsideMark.h"

#include <algorithm>
#include <array>

namespace tq {

namespace {
bool isKey(const KeyColumns& key, int column)
{
    return key.kind != KeyKind::None && (column == key.first || column == key.second);
}

bool isFilled(const std::string& cell) { return cell.find_first_not_of(" \t") != std::string::npos; }

std::string joined(const std::vector<std::string>& parts, const char* between)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}
} // namespace

std::string rowLabel(const SheetRow& row, const SheetRow* heading, const KeyColumns& key)
{
    if (key.kind == KeyKind::None && !heading) {
        const std::vector<std::string> first(row.begin(), row.begin() + static_cast<long>(std::min<size_t>(row.size(), 3)));
        return joined(first, " ");
    }
    std::vector<std::string> names, numbers;
    for (int c = 0; c < static_cast<int>(row.size()); ++c) {
        const std::string& cell = cellAt(row, c);
        const std::string& title = heading ? cellAt(*heading, c) : cell;
        const bool naming = isKey(key, c) || (heading && headingNamesStudents(title));
        if (!naming || !isFilled(cell))
            continue;
        const bool number = heading ? headingNamesNumber(title) : key.kind == KeyKind::Number;
        (number ? numbers : names).push_back(cell);
    }
    names.insert(names.end(), numbers.begin(), numbers.end());
    if (!names.empty())
        return joined(names, ", ");
    for (const std::string& cell : row)
        if (isFilled(cell) && readOutsideMark(cell).kind == OutsideMark::Kind::Refused)
            return cell;
    return {};
}

bool isTotalsLabel(std::string_view label)
{
    static constexpr std::array<std::string_view, 13> words = {"average", "avg", "mean", "median", "total", "totals",
                                                               "sum", "count", "class", "highest", "lowest",
                                                               "maximum", "minimum"};
    const std::vector<std::string> found = headingWords(label);
    return std::any_of(found.begin(), found.end(), [](const std::string& w) {
        return std::find(words.begin(), words.end(), w) != words.end();
    });
}

} // namespace tq
