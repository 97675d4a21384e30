// The favourites printout from the Comment Selection window: the chosen printer, the preview,
// and the real printer writing it into a PDF file.
#include "ui_QtPrinting.h"

#include "SelectionFixture.h"

#include "core/reports/FavouritesReport.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "support/LocalTime.h"
#include "gui/widgets/QtLinePrinter.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
std::time_t printTime() { return localTime(2025, 3, 7, 14, 5, 9); }
} // namespace

TEST_F(SelectionTest, PrintsOrPreviewsTheListAndItsInitialValues)
{
    const std::string file = favouritesFile("Print.tqf", {"0101", "    "});
    openSelection(file);
    state.clock = [] { return printTime(); };
    dialogs.answerPrinterCancel();
    press("cmdPrint"); // cancelled: nothing printed, nothing said
    ui::RecordingPrinter& printer = dialogs.answerPrinter();
    choose("mnuPrint");
    EXPECT_EQ(dialogs.callsOf(Kind::Printer).at(1).orientation, QPageLayout::Landscape);
    EXPECT_EQ(printer.orientation(), QPageLayout::Landscape);
    const QString phrase = favouriteRow(state, "0101");
    const QString comment = QString::fromStdString("0101 " + std::string(lookupPhrase(state.phrases, "0101")));
    EXPECT_EQ(printer.log(),
              QStringList({"line [Arial 10] ", "font Arial 14",
                           "line [Arial 14] Tallyquill ~ v3.1 (Linux edition) ~ 03-07-2025 ~ 14:05:09",
                           QString::fromStdString("line [Arial 14] Favourites: " + file), "line [Arial 14]  ",
                           "font Times New Roman 12", "line [Times New Roman 12] " + phrase,
                           "line [Times New Roman 12]      ", "font Courier New 9", "line [Courier New 9]  ",
                           "line [Courier New 9]  ", "line [Courier New 9] Current Initial Values for this Favourites File",
                           "line [Courier New 9]  ", "line [Courier New 9]    Range   " + comment.leftJustified(75) + "Learning Skills",
                           "line [Courier New 9]    80-100  " + QString(75, ' ') + " RE OR IW CO IN SR",
                           "line [Courier New 9]    " + QString(83, ' ') + "  4  4  4  4  4  4", "line [Courier New 9]  ",
                           "end document"}));
    EXPECT_TRUE(printer.ended());

    // Landscape is offered; Portrait chosen in the dialog is what the pages come out in.
    ui::RecordingPrinter& upright = dialogs.answerPrinter(QPageLayout::Portrait);
    press("cmdPrint");
    EXPECT_EQ(upright.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(upright.log(), printer.log());

    ui::RecordingPrinter& failing = dialogs.answerPrinter();
    failing.failAfterCalls(4);
    press("cmdPrint");
    EXPECT_EQ(failing.log().size(), 4);
    EXPECT_TRUE(messages().empty());

    choose("mnuPrintPreview");
    EXPECT_EQ(dialogs.callsOf(Kind::Preview).at(0).orientation, QPageLayout::Landscape);
    EXPECT_EQ(dialogs.previews.at(0)->log(), printer.log());
}

TEST(FavouritesPrinting, APdfHoldsTheListAndTheRanges)
{
    const PhraseLibrary library = loadPhraseLibrary(sampleFile("TQPhraseLibrary.csv")).library;
    Favourites fav;
    fav.favouritesFile = sampleFile("Sample.tqf");
    ASSERT_FALSE(readFavourites(fav, library));
    QTemporaryDir dir;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(dir.filePath("favourites.pdf"));
    pdf->setPageOrientation(QPageLayout::Landscape); // as the print dialog offers it
    ui::QtLinePrinter printer(std::move(pdf));
    ASSERT_TRUE(playPrintScript(favouritesReport(fav, library, printTime()), printer));
    EXPECT_GE(printer.pageCount(), 2);

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess run;
    run.start(pdftotext, {"-layout", dir.filePath("favourites.pdf"), "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Tallyquill ~ v3.1 (Linux edition) ~ 03-07-2025 ~ 14:05:09"));
    EXPECT_TRUE(text.contains("0701 $ is a pleasure to have in class."));
    EXPECT_TRUE(text.contains("Current Initial Values for this Favourites File"));
    // Each range block whole across the page, its skills last on the line.
    EXPECT_TRUE(text.contains(QRegularExpression("Range +0704 .*Learning Skills\\n")));
    EXPECT_TRUE(text.contains(QRegularExpression("80-100 +0112 .*RE OR IW CO IN SR\\n")));
    EXPECT_TRUE(text.contains(QRegularExpression("0206 .*4 +4 +4 +4 +4 +4\\n")));
    EXPECT_TRUE(text.contains(QRegularExpression("50-59 +0719 .*RE OR IW CO IN SR\\n")));
}
