#pragma once
// Which student of the class a markbook row is: by student number when the markbook has one,
// otherwise by name. A row that fits two students is never applied (the plan lists it).
#include "core/classdata/StudentRecord.h"
#include "core/markbook/SheetTable.h"

#include <string>
#include <string_view>

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tq {

// The cell of `row` in `column`; "" for a cell the row does not have.
const std::string& cellAt(const SheetRow& row, int column);
// The number of columns of the longest row.
int columnCount(const std::vector<SheetRow>& rows);

// A student number as the class keeps it: digits only, a leading "#" (as learning platforms
// write it), blanks and dashes dropped, and the leading zeros a spreadsheet may have dropped
// dropped here too. "" for a cell that is no number.
std::string numberKey(std::string_view cell);

// A name as it is compared: Windows-1252 bytes in lower case, accents taken off, typographic
// apostrophes as ' and dashes as -, blanks (and no-break spaces) run together into one space,
// none at either end.
std::string nameKey(std::string_view cp1252Text);
// The same of a UTF-8 cell, composed and folded first (core/markbook/NameFolding.h).
std::string nameKeyOfUtf8(std::string_view text);

// How rows are matched: by the number in `first`; by the last name in `first` and the first
// name in `second`; or by one column holding "Last, First" or "First Last".
enum class KeyKind { None, Number, LastFirst, FullName };
struct KeyColumns {
    KeyKind kind = KeyKind::None;
    int first = -1;
    int second = -1;
    bool operator==(const KeyColumns&) const = default;
};

// The class's students, found by each kind of key (indices into the class).
class StudentKeys {
public:
    explicit StudentKeys(const ClassList& students);

    // The students a row names through `key`: none, one, or (ambiguous) several. Cells are UTF-8.
    std::vector<int> matches(const SheetRow& row, const KeyColumns& key) const;

    std::vector<int> byNumber(std::string_view cell) const;
    std::vector<int> byLastFirst(std::string_view last, std::string_view first) const;
    std::vector<int> byFullName(std::string_view cell) const;
    bool isLastName(std::string_view cell) const;
    bool isFirstName(std::string_view cell) const;

private:
    using Index = std::unordered_map<std::string, std::vector<int>>;
    static std::vector<int> find(const Index& index, const std::string& key);
    Index numbers_, lastFirst_, firstLast_;
    std::unordered_set<std::string> lastNames_, firstNames_;
};

// The key columns that match most of the first rows (at most proposalRows of them): a number column when any number matches the class,
// otherwise the name columns (a last and a first name column, or one column of whole names)
// that match the most rows. Kind None when no column matches any student.
// `wanted` Number or LastFirst (any name kind) keeps to that kind; None takes either.
inline constexpr size_t proposalRows = 200;
KeyColumns proposeKeyColumns(const std::vector<SheetRow>& rows, const StudentKeys& keys, KeyKind wanted = KeyKind::None);

} // namespace tq
