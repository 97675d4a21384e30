// Not a check: with TQ_SCREENSHOTS set to a folder, saves pictures of the windows there so a
// developer can look at them (and the Class Summary's printout, as a PDF). Skipped otherwise.
#include "MainWindowFixture.h"

#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/entry/frmFreeFormCommentEntry.h"
#include "gui/export/frmExport.h"
#include "gui/reports/frmHelp.h"
#include "gui/reports/frmSummary.h"
#include "gui/selection/frmSelection.h"
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

TEST_F(MainWindowTest, Screenshots)
{
    const QByteArray folder = qgetenv("TQ_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set TQ_SCREENSHOTS to a folder to save pictures of the windows";
    auto save = [&](QWidget* w, const char* name) {
        QApplication::processEvents(); // let pending layout requests settle first
        w->grab().save(QString::fromUtf8(folder) + "/" + name);
    };
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
    mainControl<QPushButton>("cmdSwitch")->click();
    save(window.get(), "main-skills.png");
    mainControl<QPushButton>("cmdSwitch")->click();
    window->run(MainCommand::Help);
    if (auto* help = window->findChild<frmHelp*>())
        save(help, "help.png");

    // A girl's free-form comment with a word misspelt, another student's name and "his".
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
