#pragma once
// "Get New Class File": the teacher picks one class code of the master list, or several in
// multi-course mode, and the new class is built from the students enrolled in them.
#include <QDialog>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tq {

struct ProgramState;
namespace ui {
class Dialogs;
}

class frmGetTrilliumfile : public QDialog {
    Q_OBJECT

public:
    frmGetTrilliumfile(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the dialog (not modal) and fills the class lists from the master file.
    void Form_Load();
    void fillClassListCombo();
    void chkMultiCourse_Click();
    void cmdGetClass_Click();

    // The codes chosen in the current mode, in list order.
    std::vector<std::string> chosenCodes() const;

signals:
    // The new class is in the program state; the dialog closes itself next.
    void classBuilt();
    // The master file gave no class code at all: the program must end.
    void programMustEnd();

private:
    QLabel* lblSelect = nullptr;
    QComboBox* cboClasses = nullptr;
    QListWidget* lstMultiSelect = nullptr;
    QCheckBox* chkMultiCourse = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* cmdGetClass = nullptr;

    ProgramState& state_;
    ui::Dialogs& dialogs_;
};

// The explanation shown in multi-course mode, one sentence to a line.
QString multiCourseWarningText();

} // namespace tq
