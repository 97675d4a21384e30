#include "core/entry/ClassGridLayout.h"
#include "core/markbook/ClipboardText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

using namespace tq;

namespace {
ClassList oneStudent()
{
    ClassList students{newStudentRecord("ENG2D1-01", "016208659", "B\xe9langer & <Co>", "Layla", "F", "")};
    students[0].mark = "87";
    students[0].comment1 = "0103";
    return students;
}
} // namespace

TEST(ClipboardText, PastedCellsSplitAtTabsOnlyAndTheGridCopiesWhatItShows)
{
    EXPECT_EQ(pastedSheet("87,5\n\"Ahmed, Layla\"\t90;5\r\n").rows,
              (std::vector<SheetRow>{{"87,5"}, {"Ahmed, Layla", "90;5"}}));
    ClassList students{newStudentRecord("ENG2D1-01", "316208659", "Ahmed", "Layla", "F", "")};
    students[0].mark = "87";
    EXPECT_EQ(gridCopyText(students, false, {1, 2, markColumn}), "LAST\tFIRST\tMRK\r\nAhmed\tLayla\t87\r\n");
}

TEST(ClipboardText, TheHtmlCopyMarksIdsAndCodesAsTextAndEscapesNames)
{
    const std::string html = gridCopyHtml(oneStudent(), false, {0, 1, markColumn, firstCommentColumn});
    const std::string text = "<td sdnum=\"1033;0;@\" style=\"mso-number-format:'\\@'\">";
    EXPECT_NE(html.find("<tr><th>Student ID</th><th>LAST</th><th>MRK</th><th>CM1</th></tr>\n"
                        "<tr>" + text + "016-208-659</td><td>B\xc3\xa9langer &amp; &lt;Co&gt;</td><td>87</td>" +
                        text + "0103</td></tr>\n"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
}

// A spreadsheet reading the copy keeps the leading zeros: LibreOffice converts it to CSV.
TEST(ClipboardText, ASpreadsheetKeepsLeadingZerosOfTheHtmlCopy)
{
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the HTML copy was not read by a spreadsheet";
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("tq-html-copy-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "copy.html") << gridCopyHtml(oneStudent(), false, {0, 1, markColumn, firstCommentColumn});
    // A profile of its own, so that a LibreOffice already running does not take the job.
    const std::string command = "cd '" + dir.string() + "' && soffice --headless --norestore " +
                                "-env:UserInstallation=file://" + dir.string() + "/profile " +
                                "--infilter='HTML (StarCalc)' --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76' " +
                                "copy.html >convert.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::stringstream csv;
    csv << std::ifstream(dir / "copy.csv").rdbuf();
    std::filesystem::remove_all(dir);
    EXPECT_EQ(csv.str(), "Student ID,LAST,MRK,CM1\n016-208-659,B\xc3\xa9langer & <Co>,87,0103\n");
}
