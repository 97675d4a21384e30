#include "core/markbook/SheetLimits.h"

namespace tq {

bool SheetBudget::take(std::size_t cells, std::size_t textBytes)
{
    if (cells > limits_.maxCells - cells_ || textBytes > limits_.maxTextBytes - textBytes_)
        return false;
    cells_ += cells;
    textBytes_ += textBytes;
    return true;
}

namespace {
std::string withThousands(std::size_t n)
{
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ",");
    return digits;
}
} // namespace

std::string SheetBudget::tooLargeMessage(const SheetReadLimits& limits)
{
    return "The workbook is too large to read: Tallyquill reads up to " + withThousands(limits.maxCells) +
           " cells, " + withThousands(limits.maxRows) + " rows and " + withThousands(limits.maxColumns) +
           " columns.";
}

std::string SheetBudget::textTooLargeMessage(const SheetReadLimits& limits)
{
    return "The markbook is too large to read: Tallyquill reads CSV, TXT and TSV markbooks of up to " +
           withThousands(limits.maxTextFileBytes >> 20) + " MB, " + withThousands(limits.maxTextRows) + " rows and " +
           withThousands(limits.maxCells) + " cells.";
}

} // namespace tq
