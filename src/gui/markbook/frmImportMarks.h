#pragma once
// "Import Marks": marks from a markbook file, or from the clipboard, shown before anything is
// stored. The window shows the markbook's first rows, the proposed columns (which the teacher can
// change), every student's old and new mark, and the rows and students left out with their
// reasons. Apply closes it accepted; the main window then stores the plan as one undo step.
// Cancel stores nothing.
#include "core/markbook/ImportPlan.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace tq {

namespace ui {
class Dialogs;
}
class ImportPreviewTable;
class ImportProblemTable;
class MarkbookColumnChoice;
class MarkbookReading;
struct MarkbookOpened;
class SheetRowsTable;

class frmImportMarks : public QDialog {
    Q_OBJECT

public:
    // `ranges`: the initial values each new mark gives, or null when "Initial Values" is not ticked.
    frmImportMarks(const ClassList& students, const std::vector<InitialValueRange>* ranges, ui::Dialogs& dialogs,
                   QWidget* parent = nullptr);
    ~frmImportMarks() override;

    // Reads the file off the event loop; the window says so meanwhile, and `shown` follows.
    void readFile(const QString& path);
    // Lines copied from a spreadsheet. Without a matching column, marks go down the class from
    // `currentStudent`.
    void showPasted(SheetTable sheet, int currentStudent);

    const ImportPlan& plan() const { return plan_; }
    bool ready() const { return ready_; }

signals:
    void shown(); // the markbook is read and its preview is up

private:
    // `opened`: the sheet proposed, its columns and plan, made already.
    void showSheets(std::vector<SheetTable> sheets, const MarkbookOpened* opened = nullptr);
    void showSheet(const MarkbookOpened* opened = nullptr);
    void replan();
    void showPlan();

    const ClassList& students_;
    const std::vector<InitialValueRange>* ranges_;
    ui::Dialogs& dialogs_;
    MarkbookReading* reading_ = nullptr;
    MarkbookColumnChoice* choice_ = nullptr;
    SheetRowsTable* tblFirstRows = nullptr;
    ImportPreviewTable* tblPreview = nullptr;
    ImportProblemTable* tblProblems = nullptr;
    QLabel* lblCounts = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;
    std::vector<SheetTable> sheets_;
    int currentStudent_ = -1; // >= 0 for pasted lines
    ImportPlan plan_;
    bool ready_ = false;
};

} // namespace tq
