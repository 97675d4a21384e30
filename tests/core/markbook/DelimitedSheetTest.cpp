#include "core/markbook/DelimitedSheet.h"
#include "core/markbook/MarkbookFile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
std::vector<SheetRow> rowsOf(std::string_view bytes) { return readDelimitedSheet(bytes, "m").sheets.at(0).rows; }
} // namespace

TEST(DelimitedSheet, TheSeparatorComesFromTheFile)
{
    EXPECT_EQ(findSeparator("a,b,c\n1,2,3\n"), ',');
    EXPECT_EQ(findSeparator("Last;First;Mark\nAhmed;Layla;87,5\nChen;Leah;90\n"), ';'); // decimal commas
    EXPECT_EQ(findSeparator("Name\tMark\n\"Ahmed, Layla\"\t87,5\n"), '\t');
    EXPECT_EQ(findSeparator("\"a;b\",c\n\"d;e\",f\n"), ',');                             // quoted separators
    EXPECT_EQ(findSeparator("88\n90\n"), ',');
}

TEST(DelimitedSheet, QuotedFieldsHoldSeparatorsQuotesAndLineBreaks)
{
    EXPECT_EQ(rowsOf("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",,x,\n\n"),
              (std::vector<SheetRow>{{"a", "b,c", "say \"hi\""}, {"two\nlines", "", "x", ""}}));
    // An empty line, or one of separators only, is a row: the rows are the spreadsheet's.
    EXPECT_EQ(rowsOf("a,b\n\n,\r\n\"c\nd\",e\n\n\n"),
              (std::vector<SheetRow>{{"a", "b"}, {""}, {"", ""}, {"c\nd", "e"}}));
    EXPECT_EQ(rowsOf("a,\"open to the end\n1,2"), (std::vector<SheetRow>{{"a", "open to the end\n1,2"}}));
    EXPECT_EQ(rowsOf("a\rb\r"), (std::vector<SheetRow>{{"a"}, {"b"}}));
    EXPECT_TRUE(rowsOf("").empty());
}

TEST(DelimitedSheet, TextIsReadAsUtf8OrWindows1252)
{
    EXPECT_EQ(rowsOf("\xEF\xBB\xBF" "B\xC3\xA9langer,75").at(0).at(0), "B\xC3\xA9langer");
    EXPECT_EQ(rowsOf("B\xE9langer;75").at(0).at(0), "B\xC3\xA9langer");
}

TEST(DelimitedSheet, AFileThatIsNotWhatItsNameSaysIsRefusedWithItsReason)
{
    EXPECT_EQ(readMarkbookBytes(std::string("a\0b", 3), "marks.csv").error, "\"marks.csv\" is not a text file: it cannot be a CSV, TXT or TSV markbook.");
    EXPECT_EQ(readMarkbookBytes("a,b", "marks.xlsx").error,
              "\"marks.xlsx\" is not an XLSX workbook. Save it again from the spreadsheet, or as CSV, and import that.");
    EXPECT_EQ(readMarkbookBytes("\xD0\xCF\x11\xE0rest", "marks.xls").error,
              "\"marks.xls\" is an Excel 97-2003 workbook (.xls). Save it as XLSX or CSV and import that.");
    EXPECT_EQ(readMarkbookFile(test::dataFile("markbook/none.csv")).error, "\"none.csv\" could not be read.");
    const SheetReadResult read = readMarkbookFile(test::dataFile("markbook/excel-semicolons.csv"));
    ASSERT_EQ(read.sheets.size(), 1u);
    EXPECT_EQ(read.sheets[0].name, "excel-semicolons");
    EXPECT_EQ(read.sheets[0].rows.at(15).at(1), "M\xC3\xBCller");
    const SheetReadResult text = readMarkbookBytes("Ames\t75\r\n", "marks.txt");
    EXPECT_EQ(text.error, "");
    EXPECT_EQ(text.sheets.size(), 1u);
}

TEST(DelimitedSheet, ATextMarkbookBeyondItsBoundsIsRefusedWithTheBounds)
{
    SheetReadLimits limits;
    limits.maxTextRows = 2;
    EXPECT_EQ(readDelimitedSheet("a\n\nb\n", "m", limits).error,
              "The markbook is too large to read: Tallyquill reads CSV, TXT and TSV markbooks of up to 64 MB, 2 rows "
              "and 5,000,000 cells.");
    EXPECT_TRUE(readDelimitedSheet("a\n\n", "m", limits).error.empty());
    limits.maxTextFileBytes = 3;
    EXPECT_FALSE(readDelimitedSheet("a,b\n", "m", limits).error.empty());
    limits = {};
    limits.maxCells = 3;
    EXPECT_FALSE(readDelimitedSheet("a,b\nc,d\n", "m", limits).error.empty());
}
