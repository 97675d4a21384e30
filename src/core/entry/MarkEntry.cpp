#include "core/entry/MarkEntry.h"

#include "core/classdata/CsvText.h"

namespace tq {

std::string markBoxTextForKey(int charCode)
{
    if (charCode >= '0' && charCode <= '9')
        return std::string(1, static_cast<char>(charCode));
    if (charCode == 'I')
        return "I";
    return {};
}

std::string filterMarkText(const std::string& text, MarkKey key)
{
    switch (key) {
    case MarkKey::LetterI:
        return "I";
    case MarkKey::Digit:
    case MarkKey::Shift:
        return leadingNumber(text) > highestMark ? std::string() : text;
    case MarkKey::Other:
        break;
    }
    return {};
}

int nextStudentRow(int row, int rows)
{
    return row >= rows - 1 ? 1 : row + 1;
}

} // namespace tq
