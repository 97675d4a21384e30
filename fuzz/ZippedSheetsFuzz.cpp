// The XLSX and ODS readers, on the fuzzer's bytes as a whole file, and on the bytes as the XML of
// a workbook's parts packed into a proper zip (so that the XML handling is reached at all): either
// the sheets come back within the limits, or a message does, never both and never neither.
#include "FuzzSupport.h"
#include "core/markbook/ZipPacking.h"
#include "core/markbook/ZippedSheets.h"

using namespace tq;

namespace {

SheetReadLimits fuzzLimits()
{
    SheetReadLimits limits;
    limits.maxPartBytes = 4 << 20;
    limits.maxCells = 100'000;
    limits.maxTextBytes = 1 << 20;
    limits.maxRows = 10'000;
    limits.maxColumns = 1'000;
    return limits;
}

void checkResult(const SheetReadResult& r, const SheetReadLimits& limits)
{
    fuzz::check(r.error.empty() != r.sheets.empty(), "sheets or a message, one of them");
    std::size_t cells = 0;
    for (const SheetTable& sheet : r.sheets) {
        fuzz::check(sheet.rows.size() <= limits.maxRows, "rows within the limit");
        for (const SheetRow& row : sheet.rows) {
            fuzz::check(row.size() <= limits.maxColumns, "columns within the limit");
            fuzz::check(row.empty() || !row.back().empty(), "no empty cell closes a row");
            cells += row.size();
        }
    }
    fuzz::check(cells <= limits.maxCells, "cells within the limit");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const SheetReadLimits limits = fuzzLimits();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkResult(readXlsxSheets(bytes, limits), limits);
    checkResult(readOdsSheets(bytes, limits), limits);
    if (bytes.starts_with("PK"))
        return 0;

    // The bytes as XML: an ODS file's content, an XLSX file's sheet and (after a NUL) its shared strings.
    checkResult(readOdsSheets(zipOfParts({{"content.xml", bytes}}), limits), limits);
    const std::size_t nul = bytes.find('\0');
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::string workbook = zipOfParts(
        {{"xl/workbook.xml", "<workbook xmlns:r=\"" + rel + "\"><sheets><sheet name=\"S\" r:id=\"a\"/></sheets></workbook>"},
         {"xl/_rels/workbook.xml.rels",
          "<Relationships><Relationship Id=\"a\" Type=\"" + rel + "/worksheet\" Target=\"s.xml\"/><Relationship Id=\"b\" "
          "Type=\"" + rel + "/sharedStrings\" Target=\"t.xml\"/></Relationships>"},
         {"xl/s.xml", bytes.substr(0, nul)},
         {"xl/t.xml", nul == std::string::npos ? "<sst/>" : bytes.substr(nul + 1)}});
    checkResult(readXlsxSheets(workbook, limits), limits);
    return 0;
}
