#pragma once
// "Comment Selection": on the left the teacher searches the school's phrase library by grade,
// category, learning skill, department and keywords; on the right the teacher builds the
// favourites list used all term (a double click, or Enter, copies a phrase in), orders it, and
// opens, merges, saves and prints favourites files. Leaving (Back, or Escape) saves the list and
// returns to the main window.
#include "core/selection/PhraseSearch.h"

#include <QMainWindow>

#include <memory>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tq {

struct Message;
struct ProgramState;
struct RowChange;
class FavouritesList;
class PhraseMatchList;
class PrintScript;
namespace ui {
class Dialogs;
class ElidedLabel;
} // namespace ui

class frmSelection : public QMainWindow {
    Q_OBJECT

public:
    frmSelection(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmSelection() override;

    // Shows the window with every list at "All", no results yet, and the favourites list (a new
    // one when there is neither a file nor an entry).
    void Form_Load();

    // The search: runs it with what the lists and boxes hold and shows the phrases found.
    void loadCommentList();

    // The favourites list and its file.
    void showFavourites();
    void newFavourites();
    void openFavourites();
    void PrintFavourites();
    void previewFavourites();

signals:
    // The window has closed, by any way out; the main window takes over again.
    void returned();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildSearchControls();
    void buildFavouritesControls();
    void buildMenus();
    void buildLayout();
    void connectControls();
    void connectKeys();
    void applySmallScreenLayout();
    // Back, Exit and the close box all come here: the list is saved and the main window takes
    // over. False when the teacher stays: a list with edits and no name was given none.
    bool leaveForm();

    SearchCriteria searchCriteria() const;
    const PhraseSearchIndex& searchIndex();

    // Editing the rows: every edit is made in the list and the entries follow.
    void lstComments_DblClick(int row);
    void insertRow(const std::string& line);
    void editRows(const RowChange& change, const std::string& inserted = {});
    void rebuildEntries();
    void cmdInsertDashes_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdDeleteFavourite_Click();

    // The file commands.
    void cmdNew_Click();
    void cmdOpen_Click();
    void mnuAddToFavourites_Click();
    bool saveBeforeReplacing();
    bool saveCommand();
    bool saveAsFavourites();
    void showCaption();
    void showMessage(const Message& m);

    PrintScript favouritesPrintout() const;

    ProgramState& state_;
    ui::Dialogs& dialogs_;
    std::unique_ptr<PhraseSearchIndex> index_; // made at the first search
    bool left_ = false;
    // A drop-down list closed by the key being handled now: its Escape is not the window's.
    bool dropDownClosed_ = false;

    // The search half.
    QGroupBox* fraSearchCriteria = nullptr;
    QGroupBox* fraKeywordSearch = nullptr;
    QComboBox* cmbMarkCat = nullptr;
    QComboBox* cmbCommentCat = nullptr;
    QComboBox* cmbLS = nullptr;
    QComboBox* cmbDept = nullptr;
    QLineEdit* txtAnd1 = nullptr;
    QLineEdit* txtAnd2 = nullptr;
    QLineEdit* txtOr = nullptr;
    QLineEdit* txtNot = nullptr;
    QPushButton* cmdSearch = nullptr;
    QCheckBox* chkNoDups = nullptr;
    PhraseMatchList* lstComments = nullptr;

    // The favourites half.
    ui::ElidedLabel* lblFavouriteFile = nullptr;
    QLabel* lblDoubleClick = nullptr;
    FavouritesList* lstFavourites = nullptr;
    QToolButton* cmdNew = nullptr;
    QToolButton* cmdOpen = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdSaveAs = nullptr;
    QToolButton* cmdPrint = nullptr;
    QToolButton* cmdUp = nullptr;
    QToolButton* cmdDown = nullptr;
    QToolButton* cmdDeleteFavourite = nullptr;
    QPushButton* cmdInsertDashes = nullptr;
    QPushButton* cmdBack = nullptr;

    QAction* mnuNew = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuAddToFavourites = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSaveAs = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuExit = nullptr;
};

} // namespace tq
