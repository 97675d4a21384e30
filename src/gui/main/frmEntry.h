#pragma once
// The main window, "Mark / Phrase Entry": the class grid, the details of the current student,
// the favourites list, and the menus and tool buttons of every command.
#include "core/entry/PendingCode.h"
#include "core/entry/StudentDetails.h"
#include "core/entry/UndoStack.h"
#include "core/program/ProgramState.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;

namespace tq::ui {
class ClassGrid;
class Dialogs;
class ElidedLabel;
} // namespace tq::ui

namespace tq {

class CommentCodePicker;
class FavouritesList;
class PrintScript;
class frmAutoFill;
class frmExport;
class frmGetTrilliumfile;
class frmSelection;
struct LeftCopy;

class frmEntry : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up window; main() passes one that shows frmSplash modally, tests script it.
    using SplashRunner = std::function<void(ProgramState&)>;

    frmEntry(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmEntry() override;

    // The start-up sequence: start-up window, phrase library, favourites. False when the program
    // had to end (the phrase library could not be used).
    bool Form_Load(const SplashRunner& runSplash);

    // The main window hides while another working window (Comment Selection, Initial Values
    // Setup, eFile) is open, and comes back at the place and size the teacher left it at.
    void hideForWorkingWindow();
    void showAfterWorkingWindow();

    // True once the program has ended (Exit, closing the window, or a fatal message).
    bool programEnded() const { return ended_; }

    // Commands, as the menus and tool buttons run them.
    void OpenClassFile();
    void openClass(const std::string& path);
    // Opens the class file named when the program was started, as Open does once a file is chosen.
    void openClassFromCommandLine(const std::string& path);
    void saveCommand();
    bool saveas();
    void sortCommand(void (*sort)(ClassList&));
    void updateCommand();
    void showCourseCodesCommand();
    void openFavourites();
    void leave();

    // The grid and the panel beside and below it.
    void fillflexGrid();
    void displayDetails(int studentIndex);
    void showFavourites();
    // After a working window changed the favourites: the list (or, in the skills view, the list
    // behind it) and the "Initial Values" box show what is open now.
    void showEditedFavourites();
    void showLearningSkills();
    void cmdSwitch_Click();
    void Highlight();
    void unHighlight();
    void msfgClass_EnterCell();
    void msfgClass_LeaveCell();
    void msfgClass_MouseMove(int xTwips, int yTwips);

    bool showCourseCodes() const;
    bool commentsView() const;
    const std::string& commentRest() const { return commentRest_; }

    // Cell-notification guards: the enter- and leave-cell handlers work only while these are true.
    bool enterCellActive = true;
    bool leaveCellActive = true;
    // The comment code picked up with a right click, and its cell.
    const PendingCode& pending() const;

    // From the master list to the eFile: the Get Class dialog and the eFile window, and their return.
    void newTrillium();
    void showNewClass();
    void mnuExport_Click();
    void returnFromExport(bool classReplaced);
    QPointer<frmGetTrilliumfile> getClassDialog; // open while the teacher picks the class
    QPointer<frmExport> exportWindow;            // open while the main window is hidden for it

    // Initial Values Setup: the mark ranges and what each gives, while the main window is hidden.
    void mnuAutoFill_Click();
    void returnFromAutoFill();
    QPointer<frmAutoFill> autoFillWindow; // open while the main window is hidden for it

    // The Comment Selection window, where the favourites list is built, and the return from it.
    void mnuSelection_Click();
    void returnFromSelection();
    QPointer<frmSelection> selectionWindow; // open while the main window is hidden for it

    // The class report: printed on paper or into a PDF file, or shown in a print preview.
    void printClassReport();
    void previewClassReport();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Controls, named as the window names them (each also carries its name as objectName, by
    // which tests and the test driver find them).
    ui::ClassGrid* msfgClass = nullptr;
    QLineEdit* txtDataEntry = nullptr;
    QPushButton* cmdSwitch = nullptr;
    QCheckBox* optAutoFill = nullptr;
    FavouritesList* lstFavourites = nullptr;
    QListWidget* lstLearningSkills = nullptr;
    QLabel* lblCourse = nullptr;
    QLabel* lblClassSize = nullptr;
    QLabel* lblDetail1 = nullptr;
    QLabel* lblDetail2 = nullptr;
    QLabel* lblDetail3 = nullptr;
    QLabel* lblDetail4 = nullptr;
    QLabel* lblDetail5 = nullptr;
    QLabel* lblFreeFormComment = nullptr;
    ui::ElidedLabel* lblFavouriteFile = nullptr;
    QFrame* fraCommentWarning = nullptr;  // under the details: the over-long comment warning
    QLabel* lblCommentWarning = nullptr;
    QLabel* lblClassFile = nullptr; // the status line: the open class's file
    QFrame* Shape1 = nullptr;
    QToolButton* cmdNew = nullptr;
    QToolButton* cmdOpen = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdPrint = nullptr;
    QToolButton* cmdOpenFavourites = nullptr;
    QToolButton* cmdUndo = nullptr;
    QPushButton* cmdSwitchCommentSelection = nullptr;

    QAction* mnuOpenFavourites = nullptr;
    QAction* mnuNewTrillium = nullptr;
    QAction* mnuOpenClass = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuShowCourse = nullptr;
    QAction* mnuSortNames = nullptr;
    QAction* mnuSortMarks = nullptr;
    QAction* mnuSortCourse = nullptr;
    QAction* mnuAutoFill = nullptr;
    QAction* mnuSelection = nullptr;
    QAction* mnuMark = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuhelp = nullptr;
    QAction* mnuPrintPreview = nullptr;

    void buildControls();
    void buildMenus();
    void buildToolButtons();
    void buildLayout();
    void connectGrid();
    void applySmallScreenLayout();
    void placeDetailLabels();
    int detailsPanelHeight() const;
    void enableClassCommands();
    bool offerToSaveClass(const QString& question, const QString& title);
    void clearUndo();
    void showMessage(const Message& m);
    void endProgram();
    std::string classDialogFolder() const;
    std::string favouritesDialogFolder() const;
    void showClassFile(const std::string& path);
    void mnuhelp_Click();

    ProgramState& state_;
    ui::Dialogs& dialogs_;
    std::string commentRest_;
    bool detailsCommentTooLong_ = false; // the student on show has a comment over the Trillium limit
    // The class file last opened or saved: the class dialogs start in its folder from then on.
    std::string lastClassFile_;
    bool ended_ = false;
    struct Placement {
        QRect geometry;
        Qt::WindowStates state;
    };
    std::optional<Placement> placeBeforeHiding_;
    bool placingAgain_ = false;
    QPointer<QWidget> helpWindow_;

    // Entering the class in the grid: marks by keyboard, codes, skills and flags by mouse,
    // free-form comments, and undo of every single-student change.
public:
    void msfgClass_KeyPress(int keyAscii);
    void txtDataEntry_KeyUp(int qtKey);
    void commitMarkEntry();
    void msfgClass_MouseUp(int button, int shift, int xTwips, int yTwips);
    void msfgClass_Click();
    void lstFavourites_Click();
    void lblFreeFormComment_Click();
    void doUndo();
    const UndoStack& undoStack() const { return undoStack_; }

private:
    void connectEntry();
    void connectMouseEntry();
    void connectUndo();
    void connectFreeForm();
    void placeMarkEntryBox();
    void hideMarkEntryBox();
    void pushUndo(int studentIndex);
    void showUndoState();
    void redrawStudentRow(int studentIndex);
    void pickUpCode(int row, int col);
    bool placeCode(int button, int row, int col);
    void rateSkill(int button, int row, int col);
    void setFlagForClass(int button, int col);
    void applyFreeFormComment(int studentIndex, const std::string& offered, const std::string& result);
    UndoStack undoStack_;
    std::unique_ptr<CommentCodePicker> codePicker_;

    // The class report's printout, made as the details panel goes through every student.
private:
    PrintScript classReportScript();
    void showDetailsAfterReport();

    // Recovery copies of unsaved work: each change of the class is reported, and once the window
    // is up the copies left by a session that did not end normally are offered back.
public:
    void classChanged();
    void offerRecoveryCopies();

private:
    void restoreClass(const LeftCopy& copy);
    void restoreFavourites(const LeftCopy& copy);
    std::string restoredFrom_; // the file a class restored from a copy came from, until it is saved
};

} // namespace tq
