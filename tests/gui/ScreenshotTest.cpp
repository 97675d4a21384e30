// Not a check: with TQ_SCREENSHOTS set to a folder, saves pictures of the windows there so a
// developer can look at them (and the Class Summary's printout, as a PDF). Skipped otherwise.
// With TQ_SCREENSHOTS_DARK=1 the program runs under a dark palette, as a teacher's desktop may set
// one; with QT_SCALE_FACTOR=2 at twice the size.
#include "MainWindowFixture.h"

#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/export/frmExport.h"
#include "gui/initialvalues/frmAutoFill.h"
#include "gui/reports/frmHelp.h"
#include "gui/reports/frmSummary.h"
#include "gui/selection/frmSelection.h"
#include "gui/startup/frmSplash.h"
#include "gui/widgets/QtLinePrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QLabel>
#include <QLabel>
#include <QListView>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

using namespace tq;
using namespace tq::test;

namespace {
// A dark palette of the kind dark desktop themes give.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    for (auto [role, colour] : {std::pair{QPalette::Window, window}, {QPalette::WindowText, QColor(Qt::white)},
                                {QPalette::Base, base}, {QPalette::AlternateBase, window},
                                {QPalette::ToolTipBase, base}, {QPalette::ToolTipText, QColor(Qt::white)},
                                {QPalette::Text, QColor(Qt::white)}, {QPalette::Button, window},
                                {QPalette::ButtonText, QColor(Qt::white)}, {QPalette::BrightText, QColor(Qt::red)},
                                {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, QColor(Qt::black)}, {QPalette::Dark, QColor(25, 25, 25)},
                                {QPalette::Mid, QColor(40, 40, 40)}, {QPalette::Light, QColor(80, 80, 80)}})
        dark.setColor(role, colour);
    return dark;
}
} // namespace

TEST_F(MainWindowTest, Screenshots)
{
    const QByteArray folder = qgetenv("TQ_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set TQ_SCREENSHOTS to a folder to save pictures of the windows";
    auto save = [&](QWidget* w, const char* name) {
        QApplication::processEvents(); // let pending layout requests settle first
        w->grab().save(QString::fromUtf8(folder) + "/" + name);
    };
    const QPalette usual = QApplication::palette();
    if (qgetenv("TQ_SCREENSHOTS_DARK") == "1")
        QApplication::setPalette(darkPalette());
    struct Restore {
        QPalette palette;
        ~Restore() { QApplication::setPalette(palette); }
    } restore{usual};
    {
        frmSplash splash(state, dialogs);
        save(&splash, "start-up.png");
    }
    start(sampleFile("Sample.tqf"));
    save(window.get(), "main-empty.png");
    openClass(sampleClassCopy());
    ui::ClassGrid* grid = this->grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->viewport()->mapFrom(grid, grid->cellRect(4, 3).center()));
    QTest::keyClick(grid, '7');
    QTest::keyClick(markBox(), '4');
    save(window.get(), "main-mark-entry.png");
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, grid->viewport()->mapFrom(grid, grid->cellRect(6, 5).center()));
    save(window.get(), "main-class.png");
    grid->setCurrent(3, 3); // the student whose comment is too long for Trillium
    save(window.get(), "main-warning.png");
    // The keyboard on the details panel: the ring round it shows where it is.
    window->activateWindow();
    window->findChild<QWidget*>("Shape1")->setFocus(Qt::TabFocusReason);
    save(window.get(), "main-details-focus.png");
    // The rings of the grid's current cell and of a tool-bar button with the keyboard.
    grid->setFocus(Qt::TabFocusReason);
    save(window.get(), "main-grid-focus.png");
    window->findChild<QWidget*>("cmdSave")->setFocus(Qt::TabFocusReason);
    save(window.get(), "main-tool-button-focus.png");
    // A mark typed with Initial Values ticked: the values its range gives show in red.
    autoFillBox()->setChecked(true);
    grid->setCurrent(21, 3); // a student without comments yet
    QTest::keyClick(grid, '8');
    QTest::keyClick(markBox(), '5');
    QTest::keyClick(markBox(), Qt::Key_Return);
    save(window.get(), "main-initial-values.png");
    // A code that is not among the favourites, picked up with a right click: its cell shows the
    // pending colour.
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, grid->viewport()->mapFrom(grid, grid->cellRect(1, 4).center()));
    save(window.get(), "main-pending.png");
    mainControl<QPushButton>("cmdSwitch")->click();
    save(window.get(), "main-skills.png");
    mainControl<QPushButton>("cmdSwitch")->click();
    window->run(MainCommand::Help);
    if (auto* help = window->findChild<frmHelp*>()) {
        help->activateWindow();
        help->findChild<QWidget*>("Text1")->setFocus(Qt::TabFocusReason);
        save(help, "help.png");
    }

    // A girl's free-form comment with a word misspelt, another student's name and "his"; beside it
    // the teacher's own comments.
    std::filesystem::create_directories(root.file("home/Tallyquill"));
    writeBytes(root.file("home/Tallyquill/My comments.txt"),
               "@ improved # essays this term.\n\n@ takes part in class discussions with confidence.\n\n"
               "% research skills are a strength; * should keep reading widely.\n");
    grid->setCurrent(1, 3);
    auto* details = mainControl<QLabel>("lblFreeFormComment");
    QTest::mouseClick(details, Qt::LeftButton, {}, details->rect().center());
    auto* freeForm = window->findChild<frmFreeFormCommentEntry*>();
    ASSERT_TRUE(freeForm);
    freeForm->findChild<QPlainTextEdit*>("txtComment")
        ->setPlainText("Layla writes with flair, and Sophie's notes helped his reserch on Canadian poets.");
    save(freeForm, "free-form.png");
    freeForm->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    window->newTrillium();
    ASSERT_TRUE(window->working.getClassDialog);
    save(window->working.getClassDialog, "new-class.png");
    window->working.getClassDialog->close();

    window->mnuExport_Click();
    ASSERT_TRUE(window->working.exportWindow);
    window->working.exportWindow->activateWindow();
    window->working.exportWindow->findChild<QWidget*>("picOut")->setFocus(Qt::TabFocusReason);
    save(window->working.exportWindow, "efile-report.png");
    window->working.exportWindow->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // A class that passes: the confirmation grid, one comment of wide letters among the rest.
    for (size_t i = 0; i < state.students.size(); ++i) {
        StudentRecord& st = state.students[i];
        st.mark = std::to_string(60 + i);
        st.comment1 = "1001";
        st.comment2 = "1004";
        st.comment3 = st.comment4 = st.comment5 = "";
        for (int k = 1; k <= skillCount; ++k)
            st.skill(k) = "3";
    }
    state.students[2].hasFreeForm = true;
    state.students[2].freeFormComment = "WM natural leaders MW " + std::string(60, 'W') + " Woven Words Mown Meadows";
    window->mnuExport_Click();
    ASSERT_TRUE(window->working.exportWindow);
    save(window->working.exportWindow, "efile-grid.png");
    window->working.exportWindow->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Initial Values Setup with the keyboard on the range's details.
    window->run(MainCommand::InitialValues);
    if (QWidget* setup = window->working.autoFillWindow) {
        setup->activateWindow();
        setup->findChild<QWidget*>("fraRangeDetails")->setFocus(Qt::TabFocusReason);
        save(setup, "initial-values.png");
        setup->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    mainControl<QPushButton>("cmdSwitchCommentSelection")->click();
    ASSERT_TRUE(window->working.selectionWindow);
    frmSelection* selection = window->working.selectionWindow;
    selection->findChild<QLineEdit*>("txtAnd1")->setText("work");
    selection->findChild<QPushButton*>("cmdSearch")->click();
    auto* results = selection->findChild<QListView*>("lstComments");
    results->setCurrentIndex(results->model()->index(2, 0));
    save(selection, "selection.png");

    // The Class Summary of the sample class with a few marks of every kind, in the desktop's
    // colours and in dark ones.
    openClass(sampleClassCopy());
    state.students[1].mark = "I";
    state.students[4].mark = "";
    state.students[6].mark = "abs";
    frmSummary summary(state, dialogs, window.get());
    summary.showBeside(window.get());
    save(&summary, "summary.png");
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 64));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    summary.setPalette(dark);
    save(&summary, "summary-dark.png");

    // Its printout, as a PDF file.
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(QString::fromUtf8(folder) + "/summary.pdf");
    ui::QtLinePrinter paper(std::move(pdf));
    summary.printOn(paper);
}
