#pragma once
// The class report of the main window: File > Print and the print button send it to the printer
// the teacher chooses (paper or a PDF file); File > Print Preview shows the same pages on screen,
// from where they can be printed too. The details panel goes through every student as the report
// is made, and names each comment too long for Trillium.
#include <QObject>

namespace tq {

class DetailsPanel;
class EntryHost;
class PrintScript;
struct ProgramState;
namespace ui {
class ClassGrid;
class Dialogs;
} // namespace ui

class ClassReportPrinting : public QObject {
public:
    ClassReportPrinting(QWidget& window, ProgramState& state, ui::Dialogs& dialogs, EntryHost& host,
                        const DetailsPanel& details, const ui::ClassGrid& grid);

    void print();
    void preview();

private:
    PrintScript report();
    void showCurrentStudentAgain();

    QWidget& window_;
    ProgramState& state_;
    ui::Dialogs& dialogs_;
    EntryHost& host_;
    const DetailsPanel& details_;
    const ui::ClassGrid& grid_;
};

} // namespace tq
