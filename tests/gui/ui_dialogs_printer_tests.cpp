// Scripted dialogs, the recording printer, and the real printer writing a PDF file.
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtDialogs.h"
#include "gui/widgets/QtLinePrinter.h"
#include "gui/widgets/RecordingPrinter.h"
#include "gui/widgets/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ui_QtPrinting.h"

#include <cmath>
#include <utility>

using namespace tq::ui;
using Kind = ScriptedDialogs::Kind;

TEST(UiScriptedDialogs, AnswersFromTheQueuesAndRecordsEveryCall)
{
    ScriptedDialogs dialogs;
    dialogs.answerQuestion(true);
    dialogs.answerInput("0-49 50-100");
    dialogs.answerSaveFile("/tmp/x.tqc");

    dialogs.message(nullptr, "TQ1: No file.", "Tallyquill", Dialogs::Icon::Exclamation);
    EXPECT_TRUE(dialogs.question(nullptr, "Save?", "Save Class"));
    EXPECT_FALSE(dialogs.question(nullptr, "Again?", "Save Class"));   // queue empty: No
    EXPECT_EQ(dialogs.input(nullptr, "Ranges:", "Input Mark Ranges", "def"), "0-49 50-100");
    EXPECT_EQ(dialogs.input(nullptr, "Ranges:", "Input Mark Ranges"), "");
    // An open dialog does not take the answer queued for a save dialog.
    EXPECT_EQ(dialogs.openFile(nullptr, "Open", "Classes (*.tqc)|*.tqc", "/home/t"), "");
    EXPECT_EQ(dialogs.saveFile(nullptr, "Save", "Classes (*.tqc)|*.tqc", "/home/t", "9A.tqc"), "/tmp/x.tqc");
    EXPECT_TRUE(dialogs.allAnswersUsed());

    ASSERT_EQ(dialogs.calls.size(), 7u);
    const auto& message = dialogs.calls[0];
    EXPECT_EQ(message.kind, Kind::Message);
    EXPECT_EQ(message.text, "TQ1: No file.");
    EXPECT_EQ(message.title, "Tallyquill");
    EXPECT_EQ(message.icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(dialogs.calls[3].defaultText, "def");
    EXPECT_EQ(dialogs.calls[3].text, "Ranges:");
    const auto& save = dialogs.calls[6];
    EXPECT_EQ(save.kind, Kind::SaveFile);
    EXPECT_EQ(save.title, "Save");
    EXPECT_EQ(save.filter, "Classes (*.tqc)|*.tqc");
    EXPECT_EQ(save.initialFolder, "/home/t");
    EXPECT_EQ(save.fileName, "9A.tqc");
    EXPECT_EQ(dialogs.callsOf(Kind::Question).size(), 2u);
}

TEST(UiScriptedDialogs, PrinterChoiceHandsOutARecordingThatOutlivesTheProgramsPrinter)
{
    ScriptedDialogs dialogs;
    RecordingPrinter& recording = dialogs.answerPrinter();
    dialogs.answerPrinterCancel();
    {
        std::unique_ptr<LinePrinter> printer = dialogs.choosePrinter(nullptr, QPageLayout::Landscape);
        ASSERT_NE(printer, nullptr);
        printer->setFont("Courier New", 12);
        printer->printLine("Heading");
        printer->setFontSize(9);
        EXPECT_EQ(printer->fontName(), "Courier New");
        printer->endDocument();
    }
    EXPECT_EQ(dialogs.choosePrinter(nullptr, QPageLayout::Portrait), nullptr);
    EXPECT_EQ(dialogs.choosePrinter(nullptr, QPageLayout::Portrait), nullptr);   // queue empty: cancel

    EXPECT_EQ(recording.log(), QStringList({"font Courier New 12", "line [Courier New 12] Heading",
                                            "font Courier New 9", "end document"}));
    ASSERT_EQ(dialogs.callsOf(Kind::Printer).size(), 3u);
    EXPECT_EQ(dialogs.calls[0].orientation, QPageLayout::Landscape);
}

namespace {

// Once the box is up, notes what it shows and presses the button with the given text (or the
// Escape key, or the box's close box).
void answerNextBox(QStringList& seen, const QString& press)
{
    QTimer::singleShot(0, [&seen, press] {
        // A box from an earlier call may still be closing: wait for a shown one with its buttons.
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->buttons().isEmpty()) {
            answerNextBox(seen, press);
            return;
        }
        seen << box->windowTitle() << box->text();
        for (QAbstractButton* button : box->buttons()) {
            seen << button->text().remove('&');
            if (button->text().remove('&') == press)
                button->click();
        }
        if (press == "Escape")
            QTest::keyClick(box, Qt::Key_Escape);
        else if (press == "close box")
            box->close();
    });
}

} // namespace

TEST(UiQtDialogs, BoxesShowTheExactTextsAndOnlyTheirButtons)
{
    QtDialogs dialogs;
    QStringList seen;
    answerNextBox(seen, "OK");
    dialogs.message(nullptr, "TQ3: Class file not found.", "Tallyquill", Dialogs::Icon::Exclamation);
    EXPECT_EQ(seen, QStringList({"Tallyquill", "TQ3: Class file not found.", "OK"}));

    seen.clear();
    answerNextBox(seen, "No");
    EXPECT_FALSE(dialogs.question(nullptr, "Save the class?", "Save"));
    answerNextBox(seen, "Yes");
    EXPECT_TRUE(dialogs.question(nullptr, "Save the class?", "Save"));
    EXPECT_EQ(seen.mid(0, 2), QStringList({"Save", "Save the class?"}));
    EXPECT_EQ(seen.mid(2, 2).size(), 2);
    EXPECT_TRUE(seen.mid(2, 2).contains("Yes") && seen.mid(2, 2).contains("No"));

    // Before work could go: Escape and the close box are Cancel, never No.
    using Answer = Dialogs::Answer;
    for (const auto& [press, answer] : {std::pair{"Yes", Answer::Yes}, std::pair{"No", Answer::No},
                                        std::pair{"Cancel", Answer::Cancel}, std::pair{"Escape", Answer::Cancel},
                                        std::pair{"close box", Answer::Cancel}}) {
        seen.clear();
        answerNextBox(seen, press);
        EXPECT_EQ(dialogs.questionWithCancel(nullptr, "Do you want to save the class?", "Exit Tallyquill"), answer)
            << press;
        seen.sort();
        EXPECT_EQ(seen, QStringList({"Cancel", "Do you want to save the class?", "Exit Tallyquill", "No", "Yes"}));
    }
}

TEST(UiRecordingPrinter, KeepsEveryEventWithTheFontOfEachLine)
{
    RecordingPrinter printer;
    printer.setOrientation(QPageLayout::Landscape);
    printer.printLine("");
    printer.setFont("Arial", 14);
    printer.printLine(" ");
    printer.setFont("Times New Roman", 8.25);
    printer.printLine("0001 Works well. ");
    printer.newPage();
    printer.endDocument();

    EXPECT_EQ(printer.log(), QStringList({"orientation landscape", "line [Arial 10] ", "font Arial 14",
                                          "line [Arial 14]  ", "font Times New Roman 8.25",
                                          "line [Times New Roman 8.25] 0001 Works well. ", "new page",
                                          "end document"}));
    EXPECT_EQ(printer.lines(), QStringList({"", " ", "0001 Works well. "}));
    EXPECT_TRUE(printer.ended());
}

TEST(UiRecordingPrinter, FailsFromTheChosenCallOn)
{
    RecordingPrinter printer;
    printer.failAfterCalls(2);
    EXPECT_TRUE(printer.printLine("a"));
    EXPECT_TRUE(printer.printLine("b"));
    EXPECT_FALSE(printer.printLine("c"));
    EXPECT_FALSE(printer.endDocument());
    EXPECT_EQ(printer.lines(), QStringList({"a", "b"}));
    EXPECT_FALSE(printer.ended());
}

namespace {

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString pdf = QString::fromLatin1(file.readAll());
    return static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path, QPageLayout::Orientation orientation)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageOrientation(orientation);
    return printer;
}

// Lines of the given font that fit on one page of the printer.
int linesPerPage(QPrinter& printer, const QFont& font)
{
    const double lineHeight = QFontMetricsF(font, &printer).lineSpacing();
    return static_cast<int>(std::floor(printer.pageRect(QPrinter::DevicePixel).height() / lineHeight));
}

} // namespace

TEST(UiQtLinePrinter, BreaksPagesWhenTheNextLineWouldNotFit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QtLinePrinter printer(pdfPrinter(path, QPageLayout::Portrait));
    ASSERT_TRUE(printer.setFont("Courier New", 12));
    const int perPage = linesPerPage(printer.printer(), programFont("Courier New", 12));
    ASSERT_GT(perPage, 20);

    for (int i = 0; i < perPage; ++i)
        ASSERT_TRUE(printer.printLine(QString("line %1").arg(i)));
    EXPECT_EQ(printer.pageCount(), 1);   // exactly full
    ASSERT_TRUE(printer.printLine("first of page 2"));
    EXPECT_EQ(printer.pageCount(), 2);
    ASSERT_TRUE(printer.newPage());       // an explicit break starts a page even when not full
    ASSERT_TRUE(printer.printLine("page 3"));
    ASSERT_TRUE(printer.endDocument());
    EXPECT_FALSE(printer.printLine("after the end"));

    EXPECT_EQ(printer.pageCount(), 3);
    EXPECT_EQ(pdfPageCount(path), 3);
}

TEST(UiQtLinePrinter, APictureTakesItsLinesAcrossThePageAndMovesOnWhenItWouldNotFit)
{
    QTemporaryDir dir;
    QtLinePrinter printer(pdfPrinter(dir.filePath("picture.pdf"), QPageLayout::Portrait));
    ASSERT_TRUE(printer.setFont("Courier New", 12));
    const int perPage = linesPerPage(printer.printer(), programFont("Courier New", 12));
    const double line = QFontMetricsF(programFont("Courier New", 12), &printer.printer()).lineSpacing();
    std::vector<QRectF> drawn;
    const auto paint = [&](QPainter& painter, const QRectF& area) {
        drawn.push_back(area);
        painter.drawRect(area);
    };

    ASSERT_TRUE(printer.printLine("first"));
    ASSERT_TRUE(printer.printPicture("fits", 3, paint));
    for (int i = 0; i < perPage - 6; ++i)
        ASSERT_TRUE(printer.printLine("x"));
    ASSERT_TRUE(printer.printPicture("too tall for what is left", 3, paint));
    EXPECT_EQ(printer.pageCount(), 2);
    for (int i = 0; i < perPage - 3; ++i)
        ASSERT_TRUE(printer.printLine("x"));
    EXPECT_EQ(printer.pageCount(), 2); // the picture took exactly its three lines
    ASSERT_TRUE(printer.printPicture("blank", 1, {}));
    EXPECT_EQ(printer.pageCount(), 3);
    ASSERT_TRUE(printer.endDocument());

    ASSERT_EQ(drawn.size(), 2u);
    const double width = printer.printer().pageRect(QPrinter::DevicePixel).width();
    EXPECT_EQ(drawn[0], QRectF(0, line, width, 3 * line));
    EXPECT_EQ(drawn[1], QRectF(0, 0, width, 3 * line));
}

TEST(UiQtLinePrinter, LandscapePagesHoldFewerLines)
{
    QTemporaryDir dir;
    const int lines = 120;
    int pages[2] = {};
    const QPageLayout::Orientation orientations[2] = {QPageLayout::Portrait, QPageLayout::Landscape};
    for (int k = 0; k < 2; ++k) {
        const QString path = dir.filePath(QString("o%1.pdf").arg(k));
        QtLinePrinter printer(pdfPrinter(path, QPageLayout::Portrait));
        printer.setOrientation(orientations[k]);
        printer.setFont("Courier New", 9);
        const int perPage = linesPerPage(printer.printer(), programFont("Courier New", 9));
        for (int i = 0; i < lines; ++i)
            printer.printLine("x");
        printer.endDocument();
        pages[k] = pdfPageCount(path);
        EXPECT_EQ(pages[k], (lines + perPage - 1) / perPage);
    }
    EXPECT_LT(pages[0], pages[1]);
}

TEST(UiQtLinePrinter, UnwritableOutputFailsEveryCall)
{
    QtLinePrinter printer(pdfPrinter("/nonexistent-folder/x/report.pdf", QPageLayout::Portrait));
    EXPECT_FALSE(printer.printLine("a"));
    EXPECT_FALSE(printer.printLine("b"));
    EXPECT_FALSE(printer.endDocument());
}
