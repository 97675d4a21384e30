#pragma once
// The main window with its eFile window opened from it, and a class completed as a teacher
// completes one, so that it passes the verification.
#include "ControlOf.h"
#include "MainWindowFixture.h"

#include "core/entry/ClassGridLayout.h"
#include "gui/classdata/frmGetTrilliumfile.h"
#include "gui/export/frmExport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tq::test {

class ExportWindow : public MainWindowTest {
protected:
    frmExport* exporter() const { return window->working.exportWindow; }

    void newClass(const QString& code)
    {
        window->newTrillium();
        controlOf<QComboBox>(window->working.getClassDialog, "cboClasses")->setCurrentText(code);
        controlOf<QPushButton>(window->working.getClassDialog, "cmdGetClass")->click();
        QApplication::processEvents();
    }

    // Gives every student a mark, comments, ratings and a few flags, as a teacher would.
    void completeEveryone()
    {
        const char* codes[] = {"0101", "0102", "0103", "1017", "0604"};
        for (size_t i = 0; i < state.students.size(); ++i) {
            StudentRecord& s = state.students[i];
            s.mark = std::to_string(55 + (i * 7) % 45);
            s.comment1 = codes[i % 5];
            s.comment2 = codes[(i + 2) % 5];
            for (int k = 1; k <= skillCount; ++k)
                s.skill(k) = std::to_string(1 + (i + static_cast<size_t>(k)) % 4);
            s.iep = i % 9 == 0 ? "Y" : "";
            s.esl = i % 7 == 0 ? "Y" : "";
            s.eld = i % 5 == 0 ? "Y" : "";
            s.interview = i % 4 == 0 ? "Y" : "";
        }
        state.students[3].hasFreeForm = true;
        state.students[3].freeFormComment = "A careful, curious reader; " + state.students[3].firstName + " leads by example.";
        window->fillflexGrid();
    }

    void openExport()
    {
        menu("mnuExport")->trigger();
        ASSERT_TRUE(exporter());
    }

    QString report() const { return controlOf<QPlainTextEdit>(exporter(), "picOut")->toPlainText(); }
};

} // namespace tq::test
