#pragma once
// The parts of an XLSX workbook around its sheets: where the workbook and its parts are, the
// sheets' names and order, which cell styles show a percentage, and the shared strings.
#include "core/markbook/ZipXmlPart.h"

#include <string>
#include <vector>

namespace tq {

struct XlsxSheetPart {
    std::string name;
    std::string part; // the worksheet's path in the archive
};

struct XlsxWorkbook {
    std::vector<XlsxSheetPart> sheets; // worksheets only, in the workbook's order
    std::string sharedStringsPart;     // empty when there is none
    std::string stylesPart;
};

// A relationship's target resolved against the folder of the part that names it.
std::string resolvedPartName(const std::string& fromPart, const std::string& target);

// Reads the package's relationships, the workbook and the workbook's relationships.
ZipXmlRead readXlsxWorkbook(const ZipArchive& zip, SheetBudget& budget, XlsxWorkbook& workbook);

// Which cell style (by its index) shows its number as a percentage.
ZipXmlRead readXlsxPercentStyles(const ZipArchive& zip, const std::string& part, SheetBudget& budget,
                                 std::vector<bool>& percentStyles);

ZipXmlRead readXlsxSharedStrings(const ZipArchive& zip, const std::string& part, SheetBudget& budget,
                                 std::vector<std::string>& strings);

// Collects the text of a string item (shared or inline): its <t> runs, without phonetic runs.
class XlsxRichText {
public:
    void start(std::string_view local);
    void end(std::string_view local);
    void text(std::string_view piece);
    std::string take();
    std::size_t size() const { return text_.size(); }

private:
    std::string text_;
    bool inRun_ = false;
    int phoneticDepth_ = 0;
};

inline const std::string xlsxKind = "XLSX workbook";

} // namespace tq
