#pragma once
// "Initial Values Setup": the teacher's mark ranges and, for each, the three comment codes and
// six learning-skill ratings a student whose mark falls in it receives by default. Ranges are
// entered, split and deleted; codes are placed from the favourites list with the mouse and
// ratings stepped by clicking, or both typed, each edit undoable; the settings can be printed.
// Leaving (Back, or Escape) saves them with the favourites and hands over to the main window.
#include "core/initialvalues/RangeEditing.h"

#include <QWidget>

#include <memory>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace tq {

struct Message;
struct ProgramState;
class CellEntryBox;
class CommentCodePicker;
class FavouritesList;
class PrintScript;
namespace ui {
class ClassGrid;
class Dialogs;
class ElidedLabel;
class ReadingPanel;
} // namespace ui

class frmAutoFill : public QWidget {
    Q_OBJECT

public:
    frmAutoFill(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmAutoFill() override;

    // Shows the window with the open favourites file's ranges (asking for a file when none is
    // open; the window closes again when the teacher chooses none).
    void Form_Load();

    // Redraws the ranges grid from the ranges.
    void fillflexGrid();

signals:
    // The window has been left, by any way out, and the favourites saved; the main window takes
    // over again.
    void returned();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void connectKeys();
    void applySmallScreenLayout();
    void showMessage(const Message& m);

    // The ranges grid, its current range and the three detail lines of one range.
    void msfgClass_EnterCell();
    void redrawRangeRow(int position);
    void displayDetails(int position);
    InitialValueRange& rangeAt(int position);
    bool isRangeRow(int row) const;

    // Entering, splitting and deleting ranges.
    void cmdEnterRanges_Click();
    void cmdSplit_Click();
    void cmdDelete_Click();
    void showRangesFrom(int position);

    // Codes and ratings by mouse, and their undo.
    void msfgClass_MouseUp(int button, int shift, int xTwips, int yTwips);
    void msfgClass_MouseMove(int xTwips, int yTwips);
    void lstFavourites_Click();
    void placeCode(int row, int col);
    void rateSkill(int button, int row, int col);
    // What a placement or a rating left in the grid's row becomes the range's, with its undo.
    void storeRangeComments(int row);
    void storeRangeSkills(int row);

    // The same by keyboard: a code typed into a comment (placed on Enter when the library has
    // it), a rating's digit or letter, Delete to clear, Enter on a favourite.
    void msfgClass_KeyPress(int charCode);
    void commitCodeEntry();
    void placeChosenFavourite();
    void placeTypedCode(int row, int col, const std::string& code);
    void pushUndo(int position);
    void cmdUndo_Click();
    void redoRangeEdit(); // puts back what undo took, by the main window's redo keys
    void takeRangeStep(RangeUndo& from, RangeUndo& to);
    void discardUndo();

    // The favourites file.
    void showFavourites();
    void openFavourites();
    void cmdOpenFavourites_Click();

    // The printout of the settings, on paper or in a preview.
    PrintScript initialValuesScript() const;
    void printInitialValues();
    void previewInitialValues();
    void showFirstRange();

    // Saves the favourites and hands back to the main window, once. False when the teacher
    // stays: edits to a list without a name were given none.
    bool leave();

    ProgramState& state_;
    ui::Dialogs& dialogs_;
    bool left_ = false;
    std::unique_ptr<CommentCodePicker> codePicker_;
    CellEntryBox* entryBox_{};
    RangeUndo undo_;
    RangeUndo redo_;

    ui::ClassGrid* msfgClass{};
    QPushButton* cmdEnterRanges{};
    QPushButton* cmdSplit{};
    QPushButton* cmdDelete{};
    QPushButton* cmdUndo{};
    QToolButton* cmdPrint{};
    QToolButton* cmdPrintPreview{};
    QToolButton* cmdOpenFavourites{};
    QPushButton* cmdBack{};
    FavouritesList* lstFavourites{};
    QListWidget* lstLearningSkills{};
    QLabel* Label1{};
    QFrame* Frame1{};
    ui::ReadingPanel* rangeDetails_{}; // the three lines, read out a field a line
    QLabel* lblDetail1{};
    QLabel* lblDetail2{};
    QLabel* lblDetail3{};
    ui::ElidedLabel* lblFavouriteFile{};
};

} // namespace tq
