// The Class Summary window: it follows the class while open, is driven by keyboard, and prints.
#include "ControlOf.h"
#include "ui_QtPrinting.h"

#include "core/program/ProgramState.h"
#include "core/reports/ClassSummaryReport.h"
#include "gui/reports/MarkChart.h"
#include "gui/reports/MarkChartPainter.h"
#include "gui/reports/frmSummary.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/ScriptedDialogs.h"
#include "support/LocalTime.h"
#include "support/NewStudents.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace tq;
using namespace tq::test;
using namespace std::chrono_literals;

namespace {

class SummaryWindow : public ::testing::Test {
protected:
    ProgramState state;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<frmSummary> window;

    SummaryWindow()
    {
        state.students = newStudents(5);
        const char* marks[] = {"55", "I", "", "81", "x"};
        for (size_t i = 0; i < 5; ++i)
            state.students[i].mark = marks[i];
        state.clock = [] { return localTime(2025, 3, 7, 14, 5, 9); };
    }

    void open()
    {
        window = std::make_unique<frmSummary>(state, dialogs);
        window->setFollowInterval(0ms);
        window->showBeside(nullptr);
    }

    QString figure(const char* name) const { return controlOf<QLabel>(window.get(), name)->text(); }
    // Students, marked, incomplete, unmarked, mean, median, lowest, highest, as shown.
    QStringList figures() const
    {
        QStringList out;
        for (const char* name : {"lblStudents", "lblMarked", "lblIncomplete", "lblUnmarked", "lblMean", "lblMedian",
                                 "lblLowest", "lblHighest"})
            out << figure(name);
        return out;
    }
    QStringList names(const char* list) const
    {
        QStringList out;
        const QListWidget* l = controlOf<QListWidget>(window.get(), list);
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    }
    MarkDistribution chart() const { return controlOf<ui::MarkChart>(window.get(), "picChart")->marks(); }
};

} // namespace

TEST_F(SummaryWindow, FollowsTheClassAtTheEndOfTheEventAndOnlyWhileOpen)
{
    open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(figures(), QStringList({"5", "2", "1", "1", "68.0", "68.0", "55", "81"}));
    EXPECT_TRUE(controlOf<QLabel>(window.get(), "lblOther")->isVisible());
    EXPECT_EQ(names("lstUnmarked"), QStringList({"Last2 Alex"}));
    EXPECT_EQ(names("lstIncomplete"), QStringList({"Last1 Sam"}));
    EXPECT_EQ(chart().bands, (std::array<int, markBandCount>{0, 1, 0, 0, 1}));

    // A change is announced before it is made, within the same event (as an undo step is kept
    // before a typed mark is stored): the window shows the class once the event is over.
    window->refresh();
    state.students[2].mark = "49";
    window->refresh();
    state.students[4].mark = "60";
    QApplication::processEvents();
    EXPECT_EQ(figures(), QStringList({"5", "4", "1", "0", "61.3", "57.5", "49", "81"}));
    EXPECT_FALSE(controlOf<QLabel>(window.get(), "lblOther")->isVisible());
    EXPECT_EQ(names("lstUnmarked"), QStringList());
    EXPECT_EQ(chart().bands, (std::array<int, markBandCount>{1, 1, 1, 0, 1}));
    EXPECT_EQ(chart().medianTenths, 575);

    // Escape closes it; closed, it works nothing out, and it catches up as it opens again.
    QTest::keyClick(controlOf<QListWidget>(window.get(), "lstUnmarked"), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    state.students[1].mark = "90";
    window->refresh();
    QApplication::processEvents();
    EXPECT_EQ(window->shown().incomplete, 1);
    window->showBeside(nullptr);
    EXPECT_EQ(figure("lblIncomplete"), "0");
    EXPECT_EQ(figure("lblHighest"), "90");
}

TEST_F(SummaryWindow, TabReachesEveryControlAndEachHasANameToBeReadOut)
{
    open();
    QApplication::setActiveWindow(window.get());
    auto* chart = controlOf<ui::MarkChart>(window.get(), "picChart");
    chart->setFocus();
    QStringList order;
    for (int i = 0; i < 15; ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_TRUE(focused);
        order << focused->objectName();
        EXPECT_FALSE(focused->accessibleName().isEmpty()) << focused->objectName().toStdString();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    // The figures are read in the order they stand, each with its caption.
    EXPECT_EQ(order, QStringList({"picChart", "lblStudents", "lblMarked", "lblIncomplete", "lblUnmarked", "lblMean",
                                  "lblMedian", "lblLowest", "lblHighest", "lblOther", "lstUnmarked", "lstIncomplete",
                                  "cmdPrint", "cmdPreview", "cmdClose"}));
    EXPECT_EQ(controlOf<QLabel>(window.get(), "lblLowest")->accessibleName(), "Lowest: 55");
    EXPECT_EQ(QApplication::focusWidget(), chart); // and round again
    EXPECT_TRUE(chart->accessibleDescription().startsWith("Marks by band, below 50: 0, 50-59: 1,"));
}

TEST_F(SummaryWindow, PrintsThePrintoutWithItsChartInBlackAndWhite)
{
    open();
    dialogs.answerPrinterCancel();
    controlOf<QPushButton>(window.get(), "cmdPrint")->click(); // cancelled: nothing printed

    // A mark stored a moment ago, the window not yet told: the printout shows it, and so does
    // the window from then on.
    state.students[2].mark = "77";
    ui::RecordingPrinter& printer = dialogs.answerPrinter();
    controlOf<QPushButton>(window.get(), "cmdPrint")->click();
    EXPECT_EQ(dialogs.callsOf(ui::ScriptedDialogs::Kind::Printer).at(1).orientation, QPageLayout::Portrait);
    EXPECT_EQ(figure("lblUnmarked"), "0");
    QStringList expected;
    for (const std::string& line : classSummaryReport(summarizeClass(state.students), state.clock()).lines())
        expected << ui::fromCp1252(line);
    EXPECT_EQ(printer.lines(), expected);
    EXPECT_TRUE(printer.log().contains("picture [Arial 12] mark chart 18 lines"));
    EXPECT_TRUE(printer.ended());

    // The chart is drawn on the page in the printer's grey and black, whatever the screen's colours.
    ASSERT_EQ(printer.pictures().size(), 1u);
    const QImage& picture = printer.pictures()[0];
    int grey = 0, black = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            grey += pixel == ui::paperInk().barFill.rgb();
            black += pixel == QColor(Qt::black).rgb();
        }
    EXPECT_GT(grey, 1000);
    EXPECT_GT(black, 100);

    controlOf<QPushButton>(window.get(), "cmdPreview")->click();
    ASSERT_EQ(dialogs.previews.size(), 1u);
    EXPECT_EQ(dialogs.previews[0]->log(), printer.log());
    EXPECT_EQ(dialogs.previews[0]->pictures().at(0), picture);
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(SummaryWindow, OpensBesideTheWindowThatAskedForItAndOnTheScreen)
{
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QWidget asking;
    asking.setGeometry(screen.left() + 10, screen.top() + 20, 100, 100);
    asking.show();
    window = std::make_unique<frmSummary>(state, dialogs);
    window->showBeside(&asking);
    ASSERT_LE(window->width() + 118, screen.width()) << "the screen is too small for this test";
    EXPECT_EQ(window->frameGeometry().topLeft(), asking.frameGeometry().topRight() + QPoint(9, 0));

    // No room on the right: on the left, as far as the screen goes.
    window->close();
    asking.move(screen.right() - 100, screen.top() + 20);
    window->showBeside(&asking);
    EXPECT_TRUE(screen.contains(window->frameGeometry()));
    EXPECT_LE(window->frameGeometry().right(), asking.frameGeometry().left());
}
