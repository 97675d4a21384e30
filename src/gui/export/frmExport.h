#pragma once
// "eFile Confirmation and Verification": the class is brought up to date with the master list
// and checked; the teacher sees either what is wrong or the whole class for a last look, and
// after ticking the confirmation box can write the eFile. Below, under their own heading, the
// free-form comments' findings (spelling, other students' names, pronouns) are listed as
// warnings: they never keep the eFile from being made. The Class Summary is a click away.
#include "core/export/Verification.h"

#include <QWidget>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace tq {

struct ProgramState;
namespace ui {
class ClassGrid;
class Dialogs;
} // namespace ui

class frmExport : public QWidget {
    Q_OBJECT

public:
    frmExport(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the window, then verifies the class and shows the result.
    void Form_Load();
    void chkConfirm_Click();
    void cmdReturn_Click();
    void cmdExport_Click();
    // Asks for the file name and writes the eFile.
    void exportFile();

    // True once the update against the master list has replaced the class (it fails without
    // touching it: master file missing, unreadable or too old).
    bool classReplaced() const { return classReplaced_; }
    // The class as it was before the update replaced it (sorted by name).
    const ClassList& classBefore() const { return classBefore_; }

signals:
    // The window has closed, by any way out; the main window takes over again.
    void returned();
    // The teacher asked for the Class Summary (the main window keeps it, and shows it beside
    // this window).
    void summaryRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* picOut = nullptr;
    QPlainTextEdit* txtCommentWarnings = nullptr;
    ui::ClassGrid* msfgClass = nullptr;
    QCheckBox* chkConfirm = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdSummary = nullptr;
    QPushButton* cmdReturn = nullptr;

    void showReport(const std::vector<std::string>& lines);
    void showCommentWarnings();
    void setConfirmationColumnWidths();
    void fitGridToColumns();
    void showConfirmationGrid(const std::vector<ConfirmationRow>& rows);

    ProgramState& state_;
    ui::Dialogs& dialogs_;
    bool returned_ = false;
    bool classReplaced_ = false;
    ClassList classBefore_;
};

} // namespace tq
