#include "core/markbook/StudentMatching.h"

#include "core/base/Cp1252.h"
#include "core/markbook/NameFolding.h"

#include <algorithm>

namespace tq {

namespace {
// Windows-1252 letters without their accents, in lower case: the bytes 0xC0 to 0xFF.
constexpr char unaccentedHigh[] = "aaaaaaaceeeeiiiidnooooo\xD7ouuuuy\xFE\xDF"
                                  "aaaaaaaceeeeiiiidnooooo\xF7ouuuuy\xFEy";

char unaccented(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xC0)
        return unaccentedHigh[b - 0xC0];
    switch (b) {
    case 0x8A: case 0x9A: return 's';
    case 0x8E: case 0x9E: return 'z';
    case 0x8C: case 0x9C: return 'o';
    case 0x9F: return 'y';
    case 0x91: case 0x92: return '\''; // typographic apostrophes and quotes
    case 0x96: case 0x97: return '-';   // dashes
    default: return cp1252Lower(c);
    }
}

std::string lastFirstKey(std::string_view last, std::string_view first)
{
    return nameKey(last) + '\n' + nameKey(first);
}

// How many rows name exactly one student through `key`.
int matchedRows(const std::vector<SheetRow>& rows, const StudentKeys& keys, const KeyColumns& key)
{
    int matched = 0;
    for (size_t r = 0; r < rows.size() && r < proposalRows; ++r)
        matched += keys.matches(rows[r], key).size() == 1 ? 1 : 0;
    return matched;
}

// The columns with the most cells for which `holds` is true, best first, at most three; only
// columns with at least one.
template <typename Holds>
std::vector<int> likeliestColumns(const std::vector<SheetRow>& rows, int columns, Holds&& holds)
{
    std::vector<std::pair<int, int>> counted; // count, column
    for (int c = 0; c < columns; ++c) {
        int count = 0;
        for (size_t r = 0; r < rows.size() && r < proposalRows; ++r)
            count += holds(cellAt(rows[r], c)) ? 1 : 0;
        if (count > 0)
            counted.emplace_back(-count, c);
    }
    std::sort(counted.begin(), counted.end());
    std::vector<int> best;
    for (size_t i = 0; i < counted.size() && i < 3; ++i)
        best.push_back(counted[i].second);
    return best;
}
} // namespace

const std::string& cellAt(const SheetRow& row, int column)
{
    static const std::string none;
    return column >= 0 && static_cast<size_t>(column) < row.size() ? row[static_cast<size_t>(column)] : none;
}

int columnCount(const std::vector<SheetRow>& rows)
{
    size_t most = 0;
    for (const SheetRow& row : rows)
        most = std::max(most, row.size());
    return static_cast<int>(most);
}

std::string numberKey(std::string_view cell)
{
    std::string digits;
    for (const char c : cell) {
        if (c >= '0' && c <= '9') {
            if (c != '0' || !digits.empty())
                digits += c;
        } else if (c == '#' || c == ' ' || c == '\t' || c == '-') {
            continue;
        } else {
            return {};
        }
    }
    if (digits.empty() && cell.find('0') != std::string_view::npos)
        return "0";
    return digits;
}

std::string nameKeyOfUtf8(std::string_view text) { return nameKey(utf8ToCp1252(foldedNameText(text))); }

std::string nameKey(std::string_view cp1252Text)
{
    std::string key;
    bool blank = false;
    for (const char c : cp1252Text) {
        if (c == ' ' || c == '\t' || c == '\xA0') {
            blank = !key.empty();
            continue;
        }
        if (blank)
            key += ' ';
        blank = false;
        key += unaccented(c);
    }
    return key;
}

StudentKeys::StudentKeys(const ClassList& students)
{
    for (size_t i = 0; i < students.size(); ++i) {
        const StudentRecord& s = students[i];
        const int at = static_cast<int>(i);
        if (const std::string number = numberKey(s.studentNumber); !number.empty())
            numbers_[number].push_back(at);
        lastFirst_[lastFirstKey(s.lastName, s.firstName)].push_back(at);
        firstLast_[nameKey(s.firstName + " " + s.lastName)].push_back(at);
        lastNames_.insert(nameKey(s.lastName));
        firstNames_.insert(nameKey(s.firstName));
    }
}

std::vector<int> StudentKeys::find(const Index& index, const std::string& key)
{
    if (key.empty())
        return {};
    const auto found = index.find(key);
    return found == index.end() ? std::vector<int>() : found->second;
}

std::vector<int> StudentKeys::byNumber(std::string_view cell) const
{
    return find(numbers_, numberKey(foldedNameText(cell)));
}

std::vector<int> StudentKeys::byLastFirst(std::string_view last, std::string_view first) const
{
    if (nameKeyOfUtf8(last).empty())
        return {};
    return find(lastFirst_, nameKeyOfUtf8(last) + '\n' + nameKeyOfUtf8(first));
}

std::vector<int> StudentKeys::byFullName(std::string_view cell) const
{
    if (const size_t comma = cell.find(','); comma != std::string_view::npos)
        return byLastFirst(cell.substr(0, comma), cell.substr(comma + 1));
    return find(firstLast_, nameKeyOfUtf8(cell));
}

bool StudentKeys::isLastName(std::string_view cell) const { return lastNames_.contains(nameKeyOfUtf8(cell)); }
bool StudentKeys::isFirstName(std::string_view cell) const { return firstNames_.contains(nameKeyOfUtf8(cell)); }

std::vector<int> StudentKeys::matches(const SheetRow& row, const KeyColumns& key) const
{
    switch (key.kind) {
    case KeyKind::Number: return byNumber(cellAt(row, key.first));
    case KeyKind::LastFirst: return byLastFirst(cellAt(row, key.first), cellAt(row, key.second));
    case KeyKind::FullName: return byFullName(cellAt(row, key.first));
    case KeyKind::None: break;
    }
    return {};
}

KeyColumns proposeKeyColumns(const std::vector<SheetRow>& rows, const StudentKeys& keys, KeyKind wanted)
{
    const int columns = columnCount(rows);
    KeyColumns best;
    int bestMatched = 0;
    const auto consider = [&](const KeyColumns& key) {
        if (const int matched = matchedRows(rows, keys, key); matched > bestMatched) {
            best = key;
            bestMatched = matched;
        }
    };
    for (int c = 0; c < columns && wanted != KeyKind::LastFirst && wanted != KeyKind::FullName; ++c)
        consider({KeyKind::Number, c, -1});
    if (bestMatched > 0 || wanted == KeyKind::Number)
        return best;
    for (int c = 0; c < columns; ++c)
        consider({KeyKind::FullName, c, -1});
    const std::vector<int> lastColumns = likeliestColumns(rows, columns, [&](const std::string& v) { return keys.isLastName(v); });
    const std::vector<int> firstColumns = likeliestColumns(rows, columns, [&](const std::string& v) { return keys.isFirstName(v); });
    for (const int last : lastColumns)
        for (const int first : firstColumns)
            if (first != last)
                consider({KeyKind::LastFirst, last, first});
    return best;
}

} // namespace tq
