#pragma once
// The main window, "Mark / Phrase Entry": the class grid with its mark entry box and mouse entry,
// the favourites panel beside it, the details panel under it, the commands above, and undo.
#include "core/entry/PendingCode.h"
#include "core/entry/UndoStack.h"
#include "core/program/ProgramState.h"
#include "gui/main/EntryHost.h"
#include "gui/main/MainCommands.h"
#include "gui/main/WorkingWindows.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <future>
#include <optional>

class QCheckBox;
class QLabel;

namespace tq {

namespace ui {
class ClassGrid;
class Dialogs;
} // namespace ui
class ClassFileStatus;
class ClassReportPrinting;
class DetailsPanel;
class FavouritesPanel;
class frmImportMarks;
struct ImportPlan;
class GridCellEntry;
class RecoveryTroubleLine;
struct FreeFormDraft;
class CellEntryBox;
class WindowPlacement;

class frmEntry : public QMainWindow, private EntryHost {
    Q_OBJECT

public:
    // Runs the start-up window; main() passes one that shows frmSplash modally, tests script it.
    using SplashRunner = std::function<void(ProgramState&)>;
    frmEntry(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmEntry() override;

    // The phrase library read on a thread of its own, for Form_Load.
    static std::future<PhraseLibraryLoad> startReadingLibrary(const ProgramState& state);

    // Start-up window, phrase library, favourites. False when the program had to end. The
    // library is taken from `reading` when main() has begun reading it already, else read on a
    // thread of its own while the start-up window is on screen.
    bool Form_Load(const SplashRunner& runSplash, std::future<PhraseLibraryLoad> reading = {});
    bool programEnded() const { return ended_; } // Exit, the close box, or a fatal message
    // Keeps recovery copies as `settings` say (their runLater and troubleChanged are the
    // window's), tells the teacher when they cannot be written, and offers back the copies a
    // session that did not end normally left.
    void startRecoveryCopies(RecoveryCopies::Settings settings);
    void offerRecoveryCopies(); // the copies left by a session that did not end normally
    void openClassFromCommandLine(const std::string& path);

    // The system ends the program (a signal): a mark typed in the box is stored, one last recovery
    // copy is written at once (a free-form comment being written with it), and the locks of the
    // open files and of the copies are let go of. Never a dialog.
    void endWithoutAsking();
    // The desktop's session ends (logout). When the session lets the program ask (`mayAsk`), the
    // teacher is asked as at Exit and the program ends; false when the teacher cancelled, and the
    // session should not end. Otherwise the recovery copy is written at once.
    bool sessionEnding(bool mayAsk);

    // Commands, as the menus, buttons and tests run them.
    void run(MainCommand command);
    void OpenClassFile();
    void openClass(const std::string& path);
    void saveCommand();
    void updateCommand();
    // The class an update made of the open one takes its place, as one step of undo.
    void applyUpdatedClass(ClassList updated);
    void newTrillium();
    void mnuSelection_Click();
    void mnuExport_Click();
    void cmdSwitch_Click();
    void fillflexGrid();
    void displayDetails(int studentIndex) override;
    void Highlight();
    void msfgClass_KeyPress(int keyAscii);
    void commitMarkEntry();
    void commitCodeEntry();
    // What is typed in the open box is stored as Enter stores it (a mark moves on to the next
    // student), and the box closes; nothing when no box is open.
    void commitOpenEntry();
    void showAfterWorkingWindow();
    void classChanged(); // after every change of the class: the recovery copy follows it
    void importMarksCommand();
    void pasteMarksCommand();
    void copyGridCommand();

    bool showCourseCodes() const override;
    const std::string& commentRest() const;
    const PendingCode& pending() const;
    const UndoStack& undoStack() const { return undoStack_; }

    WorkingWindows working; // the Get Class dialog and the working windows, while open

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void applySmallScreenLayout();
    bool offerToSaveClass(const QString& question, const QString& title);
    void showMessage(const Message& m);
    void leave();
    // The questions of Exit; false when the program must go on (cancelled, or not saved).
    bool askBeforeEnding();
    void keepLastCopy(); // what is unsaved, in the recovery copy now
    void endProgram();
    bool saveas();
    void sortCommand(void (*sort)(ClassList&));
    // Where the cursor is: the current student and column, to be found again once the class has
    // been reordered or brought up to date and the grid rebuilt (row 1 when the student is gone).
    struct CurrentPlace {
        std::optional<StudentRecord> student;
        int col = 0;
    };
    CurrentPlace currentPlace() const;
    void returnTo(const CurrentPlace& place);
    void reorderKeepingPlace(const std::function<void()>& reorder);
    void showCourseCodesCommand();
    void mnuAutoFill_Click();
    void returnFromWorkingWindow();
    void showSummary(QWidget* beside);
    void openFavourites();
    void showFavourites();
    void showOpenedFavourites();
    void unHighlight();
    void msfgClass_EnterCell();
    void msfgClass_LeaveCell();
    void lblFreeFormComment_Click();
    // The free-form dialog for student `index`, holding `draft` (a text restored) when given.
    void openFreeFormDialog(int index, const std::optional<std::string>& draft = std::nullopt);
    void resumeFreeFormDraft(const FreeFormDraft& draft);
    void showRecoveryTrouble();
    QString storeOpenMark();
    void placeChosenFavourite();
    void studentChanging(int studentIndex) override;
    void classFlagsChanging(StudentFlag flag, bool on) override;
    void redrawStudentRow(int studentIndex) override;
    bool commentsView() const override;
    void clearUndo();
    // `how` the marks come: "imported" or "pasted", as undo and redo name the step.
    frmImportMarks* openImportWindow(const char* how);
    void applyImportedMarks(const ImportPlan& plan, const std::vector<InitialValueRange>* ranges, const char* how);
    // Says `words` once what the teacher did is done and the keyboard is back where it works.
    void confirmDone(const QString& words, bool afterDialog = false);
    void doUndo();
    void doRedo();
    void takeUndoStep(bool redo);
    void showUndoState(); // Undo and Redo offered as the steps allow

    ProgramState& state_;
    ui::Dialogs& dialogs_;
    // The parts the window is composed of; each owns its controls.
    MainCommands* commands_ = nullptr;
    ui::ClassGrid* msfgClass = nullptr;
    CellEntryBox* entryBox_ = nullptr;
    GridCellEntry* cellEntry_ = nullptr;
    FavouritesPanel* favouritesPanel_ = nullptr;
    DetailsPanel* details_ = nullptr;
    ClassFileStatus* classFile_ = nullptr;
    RecoveryTroubleLine* recoveryTrouble_ = nullptr;
    ClassReportPrinting* printing_ = nullptr;
    WindowPlacement* placement_ = nullptr;
    QCheckBox* optAutoFill = nullptr;
    QLabel* lblCourse = nullptr;
    QLabel* lblClassSize = nullptr;
    QPointer<QWidget> helpWindow_;
    UndoStack undoStack_;
    // Cell-notification guards: the enter- and leave-cell handlers work only while these are true.
    bool enterCellActive = true;
    bool leaveCellActive = true;
    bool ended_ = false;
};

} // namespace tq
