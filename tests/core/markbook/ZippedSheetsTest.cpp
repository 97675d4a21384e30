// The XLSX and ODS readers on workbooks made by LibreOffice (tests/data/markbook) and on small ones
// made here for what LibreOffice never writes: each case reads one workbook and checks its sheets'
// names and row counts, some cells, or the message it gives.
#include "core/markbook/ZipPacking.h"
#include "core/markbook/ZippedSheets.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;
using namespace tq::test;

namespace {

const std::string odsNs = R"( xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0")"
                          R"( xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0")"
                          R"( xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0")";

std::string ods(const std::string& rows)
{
    return zipOfParts({{"content.xml", "<office:document-content" + odsNs + "><office:body><office:spreadsheet>"
                                           "<table:table table:name=\"N\">" + rows +
                                           "</table:table></office:spreadsheet></office:body></office:document-content>"}});
}

std::string xlsx(const std::string& sheetData, const std::string& target = "worksheets/s.xml")
{
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    return zipOfParts({{"xl/workbook.xml", "<workbook xmlns:r=\"" + rel + "\"><sheets><sheet name=\"X\" r:id=\"a\"/>"
                                           "</sheets></workbook>"},
                       {"xl/_rels/workbook.xml.rels", "<Relationships><Relationship Id=\"a\" Type=\"" + rel +
                                                          "/worksheet\" Target=\"" + target + "\"/></Relationships>"},
                       {"xl/worksheets/s.xml", "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>"}});
}

std::string cell(const std::string& attributes, const std::string& paragraph = "")
{
    return "<table:table-cell " + attributes + ">" + paragraph + "</table:table-cell>";
}

SheetReadLimits limitedTo(std::size_t cells, std::size_t partBytes, std::size_t allParts = std::size_t{2} << 30)
{
    SheetReadLimits limits;
    limits.maxCells = cells;
    limits.maxPartBytes = partBytes;
    limits.maxUnpackedBytes = allParts;
    return limits;
}

// An ODS sheet of `rows` rows of one cell, about 70 bytes each unpacked.
std::string odsOfRows(int rows)
{
    std::string text;
    for (int r = 0; r < rows; ++r)
        text += "<table:table-row>" + cell("", "<text:p>x</text:p>") + "</table:table-row>";
    return ods(text);
}

struct Case {
    std::string what;
    std::string bytes;
    bool isOds;
    // "Name:rows|Name:rows" of every sheet, or the message's start when an error is expected.
    std::string shapeOrError;
    std::vector<std::tuple<std::size_t, std::size_t, std::size_t, std::string>> cells; // sheet, row, column, text
    SheetReadLimits limits = {};
};

std::vector<Case> cases()
{
    const std::string platformXlsx = dataFile("markbook/platform-export.xlsx");
    const std::vector<std::tuple<std::size_t, std::size_t, std::size_t, std::string>> platformCells = {
        {0, 0, 5, "Essay Points Grade <Numeric MaxPoints:20>"}, {0, 0, 8, "Calculated Final Grade Denominator"},
        {0, 1, 0, "#316208659"}, {0, 3, 7, "87.5"}, {0, 5, 5, ""}, {0, 5, 6, "7.5"}, {0, 5, 2, "Bélanger"},
        {0, 2, 3, "Nadia"}};
    const std::vector<std::tuple<std::size_t, std::size_t, std::size_t, std::string>> twoSheetCells = {
        {0, 0, 4, "Term Mark"}, {0, 0, 5, ""}, {0, 1, 1, "316208659"}, {0, 1, 4, "87.5%"}, {0, 2, 4, "63%"},
        {0, 1, 6, "TRUE"}, {0, 1, 7, "87.5"}, {0, 2, 0, "Chen,   Leah"}, {0, 5, 0, "Class average\nsecond line"},
        {0, 5, 1, ""}, {0, 5, 4, "30"}, {0, 5, 7, "0.000125"}, {1, 2, 2, "58"}};
    return {
        {"learning platform's export, XLSX", readBytes(platformXlsx), false, "platform-export:6", platformCells},
        {"learning platform's export, ODS", readBytes(dataFile("markbook/platform-export.ods")), true,
         "platform-export:6", platformCells},
        {"texts in the cells, no shared strings", readBytes(dataFile("markbook/inline-strings.xlsx")), false,
         "platform-export:6", platformCells},
        {"two sheets, XLSX", readBytes(dataFile("markbook/two-sheets.xlsx")), false, "Term 1:6|Final:3", twoSheetCells},
        {"two sheets, ODS", readBytes(dataFile("markbook/two-sheets.ods")), true, "Term 1:6|Final:3", twoSheetCells},
        {"numbers as stored, XLSX", xlsx(R"(<row><c><v>92.000000001</v></c><c><v>8.75E1</v></c><c t="e"><v>#DIV/0!</v></c>)"
                                         R"(<c t="str"><f>A1</f><v>x</v></c><c><v>86.666666666666671</v></c><c><v>1.0E-3</v></c>)"
                                         R"(</row><row r="3"><c r="c3" t="b"><v>0</v></c></row>)"),
         false, "X:3",
         {{0, 0, 0, "92.000000001"}, {0, 0, 1, "87.5"}, {0, 0, 2, "#DIV/0!"}, {0, 0, 3, "x"},
          {0, 0, 4, "86.66666666666667"}, {0, 0, 5, "0.001"}, {0, 2, 2, "FALSE"}}},
        {"values before their text, ODS",
         ods("<table:table-row>" + cell(R"(office:value-type="percentage" office:value="0.005")", "<text:p>1%</text:p>") +
             cell(R"(office:value-type="percentage" office:value="-1.25")") +
             cell(R"(office:value-type="float" office:value="abc")") + cell(R"(office:value-type="currency" office:value="12.50")") +
             cell("", "<office:annotation><text:p>note</text:p></office:annotation><text:p>a<text:tab/>b</text:p>") +
             "<table:covered-table-cell office:value-type=\"float\" office:value=\"3\"/>" +
             cell(R"(table:number-columns-repeated="2")", "<text:p>z</text:p>") + "</table:table-row>"),
         true, "N:1",
         {{0, 0, 0, "0.5%"}, {0, 0, 1, "-125%"}, {0, 0, 2, "abc"}, {0, 0, 3, "12.5"}, {0, 0, 4, "a\tb"},
          {0, 0, 5, ""}, {0, 0, 7, "z"}}},

        {"a text file named .xlsx", readBytes(dataFile("markbook/not-a-workbook.xlsx")), false,
         "The file is not an XLSX workbook: it is not a zip archive.", {}},
        {"a text file read as ODS", readBytes(dataFile("markbook/not-a-workbook.xlsx")), true,
         "The file is not an ODS spreadsheet: it is not a zip archive.", {}},
        {"an ODS file read as XLSX", readBytes(dataFile("markbook/two-sheets.ods")), false,
         "The file is a zip archive but not an XLSX workbook: it has no xl/workbook.xml.", {}},
        {"an XLSX file read as ODS", readBytes(platformXlsx), true,
         "The file is a zip archive but not an ODS spreadsheet: it has no content.xml.", {}},
        {"malformed XML", ods("<table:table-row>"), true,
         "The ODS spreadsheet is damaged: content.xml is not well-formed XML (line 1: mismatched tag).", {}},
        {"entities declared", zipOfParts({{"content.xml", "<!DOCTYPE a [<!ENTITY b 'c'>]><a>&b;</a>"}}), true,
         "The ODS spreadsheet is damaged: content.xml is not well-formed XML (it declares a document type).", {}},
        {"a shared string that is not there", xlsx(R"(<row><c t="s"><v>0</v></c></row>)"), false,
         "The XLSX workbook is damaged: the sheet \"X\" names a shared text that is not in it.", {}},
        {"more cells than allowed", readBytes(platformXlsx), false, "The workbook is too large to read", {},
         limitedTo(40, 1 << 20)},
        {"a value after a million columns", ods("<table:table-row>" + cell(R"(table:number-columns-repeated="20000")") +
                                                cell("", "<text:p>x</text:p>") + "</table:table-row>"),
         true, "The workbook is too large to read", {}},
        {"a huge count of blanks", ods("<table:table-row>" + cell("", "<text:p><text:s text:c=\"999999999999\"/></text:p>") +
                                      "</table:table-row>"),
         true, "The workbook is too large to read", {}, limitedTo(1000, 1 << 20)},
        {"a part that unpacks too large", readBytes(dataFile("markbook/two-sheets.ods")), true,
         "The ODS spreadsheet is too large to read: content.xml unpacks to more than", {}, limitedTo(1000, 1000)},
        // Unpacked in pieces of 64 KB, each under the cap: the part's running total is over it.
        {"a part too large in pieces under the cap", odsOfRows(3000), true,
         "The ODS spreadsheet is too large to read: content.xml unpacks to more than", {}, limitedTo(10000, 100'000)},
        // Each part under its cap, the sheet and the shared texts together over theirs.
        {"every part together too large", readBytes(platformXlsx), false, "The XLSX workbook is too large to read", {},
         limitedTo(1000, 1 << 20, 7000)},
        {"a relationship target from the archive's root", xlsx("<row><c><v>75</v></c></row>", "/xl/worksheets/s.xml"),
         false, "X:1", {{0, 0, 0, "75"}}},
        {"identical rows with content repeated", ods("<table:table-row table:number-rows-repeated=\"3\">" +
                                                     cell("", "<text:p>x</text:p>") + "</table:table-row><table:table-row>" +
                                                     cell("", "<text:p>y</text:p>") + "</table:table-row>"),
         true, "N:4", {{0, 2, 0, "x"}, {0, 3, 0, "y"}}},
    };
}

TEST(ZippedSheets, ReadsWorkbooksOrSaysWhyNot)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.bytes.empty());
        const SheetReadResult r = c.isOds ? readOdsSheets(c.bytes, c.limits) : readXlsxSheets(c.bytes, c.limits);
        std::string shape;
        for (const SheetTable& sheet : r.sheets)
            shape += (shape.empty() ? "" : "|") + sheet.name + ":" + std::to_string(sheet.rows.size());
        EXPECT_EQ(r.error.empty() ? shape : r.error.substr(0, c.shapeOrError.size()), c.shapeOrError);
        for (const auto& [sheet, row, column, text] : c.cells) {
            ASSERT_LT(sheet, r.sheets.size());
            ASSERT_LT(row, r.sheets[sheet].rows.size());
            const SheetRow& cells = r.sheets[sheet].rows[row];
            EXPECT_EQ(column < cells.size() ? cells[column] : "", text) << "row " << row << ", column " << column;
        }
    }
    // The readers' own entry points use the default limits.
    EXPECT_EQ(readXlsxSheets(readBytes(dataFile("markbook/two-sheets.xlsx"))).sheets.size(), 2u);
}

} // namespace
