// The printout of the initial values from the setup window, on a chosen printer, in the print
// preview and, through the real printer, in a PDF file.
#include "AutoFillFixture.h"

#include "core/initialvalues/InitialValuesPrintout.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "support/LocalTime.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtLinePrinter.h"

#include "ui_QtPrinting.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {
std::time_t printTime() { return localTime(2026, 3, 7, 14, 5, 9); }
} // namespace

TEST_F(AutoFillTest, PrintsEveryRangeInPortraitAndShowsTheFirstRangeAgain)
{
    const std::string path = sampleFavourites();
    startSetup(path);
    state.clock = [] { return printTime(); };
    clickRange(4, 2);
    dialogs.answerPrinterCancel();
    control<QToolButton>("cmdPrint")->click();
    EXPECT_TRUE(detail(2).startsWith("50-59 ")); // cancelled: nothing printed, nothing moved

    ui::RecordingPrinter& printer = dialogs.answerPrinter();
    control<QToolButton>("cmdPrint")->click();
    EXPECT_EQ(dialogs.callsOf(Kind::Printer).at(1).orientation, QPageLayout::Portrait);
    const QStringList log = printer.log();
    ASSERT_EQ(log.size(), 2 + 1 + 4 + 7 * 4 + 1);
    EXPECT_EQ(log.mid(0, 7), QStringList({"orientation portrait", "line [Arial 10] ", "font Courier New 9",
                                          "line [Courier New 9] Tallyquill v3.1 (Linux edition)",
                                          "line [Courier New 9] 03-07-2026 ~ 14:05:09",
                                          QString::fromStdString("line [Courier New 9] Initial Values for: " + path),
                                          "line [Courier New 9]  "}));
    EXPECT_TRUE(log[8].startsWith("line [Courier New 9]    80-100  0112 Regular attendance"));
    EXPECT_TRUE(log[33].endsWith("  1  1  1  1  1  1"));
    EXPECT_TRUE(printer.ended());
    EXPECT_TRUE(detail(2).startsWith("80-100 ")); // the first range again
    EXPECT_TRUE(messages().empty());

    clickRange(4, 2);
    control<QToolButton>("cmdPrintPreview")->click();
    const auto previews = dialogs.callsOf(Kind::Preview);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].orientation, QPageLayout::Portrait);
    EXPECT_EQ(previews[0].title, "Tallyquill ~ Initial Values ~ Print Preview");
    EXPECT_EQ(dialogs.previews.at(0)->log(), log);
    EXPECT_TRUE(detail(2).startsWith("80-100 "));
}

TEST(InitialValuesPrinting, APdfHoldsTheLinesInAFixedPitchFont)
{
    const PhraseLibrary library = loadPhraseLibrary(sampleFile("TQPhraseLibrary.csv")).library;
    Favourites fav;
    fav.favouritesFile = sampleFile("Sample.tqf");
    ASSERT_FALSE(readFavourites(fav, library));
    const PrintScript printout = initialValuesPrintout(fav.initialRanges, library, "Sample.tqf", printTime());
    QTemporaryDir dir;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(dir.filePath("initial-values.pdf"));
    ui::QtLinePrinter printer(std::move(pdf));
    ASSERT_TRUE(playPrintScript(printout, printer));
    EXPECT_EQ(printer.printer().pageLayout().orientation(), QPageLayout::Portrait);

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    const QString pdffonts = QStandardPaths::findExecutable("pdffonts");
    if (pdftotext.isEmpty() || pdffonts.isEmpty())
        GTEST_SKIP() << "pdftotext and pdffonts (poppler-utils) are not installed";
    auto output = [&](const QString& program, const QStringList& arguments) {
        QProcess run;
        run.start(program, arguments);
        EXPECT_TRUE(run.waitForFinished(30000));
        return QString::fromUtf8(run.readAllStandardOutput());
    };
    const QString text = output(pdftotext, {"-layout", dir.filePath("initial-values.pdf"), "-"});
    EXPECT_TRUE(text.contains("Tallyquill v3.1 (Linux edition)\n03-07-2026 ~ 14:05:09\nInitial Values for: Sample.tqf\n"));
    EXPECT_EQ(text.count("Learning Skills"), 7);
    // Every line is in the one fixed-pitch face that stands in for Courier New.
    const QStringList fonts = output(pdffonts, {dir.filePath("initial-values.pdf")}).split('\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(fonts.size(), 1);
    EXPECT_TRUE(fonts[0].contains(ui::programFont("Courier New", 9).family().remove(' '))) << fonts[0].toStdString();
}
