// The class report from the main window on a chosen printer and in the print preview, and the
// real printer writing it into a PDF file.
#include "MainWindowFixture.h"

#include "core/classdata/ClassFile.h"
#include "core/reports/ClassReport.h"
#include "gui/reports/PrintScriptPlayer.h"
#include "support/LocalTime.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/QtDialogs.h"
#include "gui/widgets/QtLinePrinter.h"

#include "ui_QtPrinting.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>

using namespace tq;
using namespace tq::test;
using Kind = ui::ScriptedDialogs::Kind;

namespace {

std::time_t printTime() { return localTime(2025, 3, 7, 14, 5, 9); }

QStringList reportLines(const ProgramState& state, bool showCourseCodes)
{
    QStringList out;
    for (const std::string& line : classReport(state.students, state.phrases, showCourseCodes, printTime()).lines())
        out << ui::fromCp1252(line);
    return out;
}

int pageBreaks(const PrintScript& script)
{
    return static_cast<int>(std::count_if(script.operations().begin(), script.operations().end(),
                                          [](const PrintOperation& op) { return op.kind == PrintOperation::Kind::NewPage; }));
}

// The sample class and 60 more students in two interleaved sections: ten pages or so.
PrintScript longReport()
{
    ClassList students = std::get<ClassList>(readClassFile(sampleFile("ENG2D101.tqc")));
    for (int i = 0; i < 60; ++i)
        students.push_back(newStudentRecord("MPM2D1-0" + std::to_string(1 + i % 2), std::to_string(300000000 + i),
                                            "Student" + std::to_string(i), "Sam", "M", ""));
    return classReport(students, loadPhraseLibrary(sampleFile("TQPhraseLibrary.csv")).library, true, printTime());
}

} // namespace

TEST_F(MainWindowTest, PrintsOrPreviewsTheClassInItsOrderAndShowsTheCurrentStudentAgain)
{
    start();
    EXPECT_FALSE(menu("mnuPrint")->isEnabled() || menu("mnuPrintPreview")->isEnabled() ||
                 toolButton("cmdPrint")->isEnabled());
    openClass(sampleClassCopy());
    EXPECT_TRUE(menu("mnuPrint")->isEnabled() && menu("mnuPrintPreview")->isEnabled() &&
                toolButton("cmdPrint")->isEnabled());
    const QList<QAction*> file = window->menuBar()->actions().constFirst()->menu()->actions();
    EXPECT_EQ(file.indexOf(menu("mnuPrintPreview")), file.indexOf(menu("mnuPrint")) + 1);

    state.clock = [] { return printTime(); };
    menu("mnuSortMarks")->trigger();
    menu("mnuShowCourse")->trigger();
    grid()->setCurrent(2, 1);
    const QString current = mainControl<QLabel>("lblDetail2")->text();
    const size_t before = messages().size();
    ui::RecordingPrinter& printer = dialogs.answerPrinter();
    toolButton("cmdPrint")->click();

    EXPECT_EQ(dialogs.callsOf(Kind::Printer).at(0).orientation, QPageLayout::Landscape);
    EXPECT_EQ(printer.log().mid(0, 9),
              QStringList({"orientation landscape", "fit 64 lines [Courier New 9]", "line [Arial 10] ",
                           "font Courier New 12", "line [Courier New 12] ",
                           "line [Courier New 12] Tallyquill v3.1 (Linux edition) ~ Class Report ~ 03-07-2025 ~ 14:05:09",
                           "font Courier New 9", "line [Courier New 9] ", "line [Courier New 9] ENG2D1-01"}));
    EXPECT_TRUE(printer.ended());
    // Every student, in the marks order, laid out as the panel with its course codes.
    EXPECT_EQ(printer.lines(), reportLines(state, true));
    EXPECT_TRUE(printer.lines()[5].startsWith("   336562864    ENG2D1-01 Mark  "));
    // The class's one over-long comment warns as the report reaches it.
    ASSERT_EQ(messages().size(), before + 1);
    EXPECT_EQ(messages().back().title, "TQ8A: Trillium Comment Length Exceeded");
    // The panel shows the student of the current row again, not the last one printed.
    EXPECT_EQ(mainControl<QLabel>("lblDetail2")->text(), current);

    // The preview shows the same pages.
    menu("mnuPrintPreview")->trigger();
    EXPECT_EQ(dialogs.callsOf(Kind::Preview).at(0).orientation, QPageLayout::Landscape);
    EXPECT_EQ(dialogs.previews.at(0)->log(), printer.log());
}

TEST_F(MainWindowTest, CancellingOrAFailingPrinterEndsThePrintWithoutAWord)
{
    start();
    openClass(sampleClassCopy());
    const size_t before = messages().size();
    dialogs.answerPrinterCancel();
    toolButton("cmdPrint")->click();
    EXPECT_EQ(messages().size(), before);   // the report did not even go through the students

    ui::RecordingPrinter& failing = dialogs.answerPrinter();
    failing.failAfterCalls(4);
    menu("mnuPrint")->trigger();
    EXPECT_EQ(failing.log().size(), 4);
    EXPECT_FALSE(failing.ended());
    for (const auto& m : messages())
        EXPECT_EQ(m.title, "TQ8A: Trillium Comment Length Exceeded");
    EXPECT_TRUE(mainControl<QLabel>("lblDetail2")->text().startsWith("Ahmed"));
}

TEST(ClassReportPrinting, QtsPreviewOpensWithoutWaitingOnTheReportsOwnPages)
{
    const PrintScript report = longReport();
    QWidget owner;
    owner.show();
    ui::QtDialogs dialogs;
    dialogs.previewPrint(&owner, "Class Report", QPageLayout::Landscape,
                         [&](ui::LinePrinter& printer) { return playPrintScript(report, printer); });
    QPointer<QPrintPreviewDialog> preview = owner.findChild<QPrintPreviewDialog*>();
    ASSERT_TRUE(preview);
    QApplication::processEvents();
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->findChild<QPrintPreviewWidget*>()->pageCount(), pageBreaks(report) + 1);
    if (qEnvironmentVariableIsSet("TQ_SCREENSHOTS"))
        preview->grab().save(qEnvironmentVariable("TQ_SCREENSHOTS") + "/printPreview.png");
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(preview);
}

TEST(ClassReportPrinting, APdfHoldsTheReportsPagesOnLetterAndA4)
{
    const PrintScript report = longReport();
    ASSERT_GT(pageBreaks(report), 5);
    QTemporaryDir dir;
    for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(dir.filePath("report.pdf"));
        pdf->setPageSize(QPageSize(size));
        ui::QtLinePrinter printer(std::move(pdf));
        ASSERT_TRUE(playPrintScript(report, printer));
        // Lines close up just enough that no page overflows into one the report did not start.
        EXPECT_EQ(printer.pageCount(), pageBreaks(report) + 1) << QPageSize(size).name().toStdString();
        EXPECT_LT(printer.linePitch(), 1.0);
    }

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess run;
    run.start(pdftotext, {"-layout", dir.filePath("report.pdf"), "-"});
    ASSERT_TRUE(run.waitForFinished(30000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Tallyquill v3.1 (Linux edition) ~ Class Report ~ 03-07-2025 ~ 14:05:09"));
    EXPECT_TRUE(text.contains(QRegularExpression("Ahmed +89 .*RE OR IW CO IN SR IEP ESL ELD")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Bélanger")));
    EXPECT_EQ(text.count('\f'), pageBreaks(report) + 1);
}
