#pragma once
// The main window's commands as the teacher reaches them: the menus, the picture buttons above
// the grid and the two text buttons below it. Each control names one command; choosing it, by
// mouse or shortcut, reports that command for the window to carry out.
#include <QKeySequence>
#include <QObject>

#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QPushButton;
class QToolButton;
class QWidget;

namespace tq {

enum class MainCommand {
    OpenFavourites, NewClass, OpenClass, Save, Update, Print, PrintPreview, Exit,
    Undo, Redo, ShowCourseCodes, SortNames, SortMarks, SortCourse,
    InitialValues, Selection, Export, Help, SwitchView, FreeForm, Summary,
    ImportMarks, PasteMarks, CopyGrid,
};

class MainCommands : public QObject {
    Q_OBJECT

public:
    // Builds the menus into `window`'s menu bar and the two text buttons as `window`'s controls.
    explicit MainCommands(QMainWindow& window);
    // The picture buttons, made last so that the keyboard reaches them after the other controls.
    void addPictureButtons(QWidget& window);

    // The commands that need an open class, enabled or not.
    void setClassCommandsEnabled(bool enabled);
    void setUndoEnabled(bool enabled);
    void setRedoEnabled(bool enabled);
    void setOpenFavouritesEnabled(bool enabled);
    // View > Show Course Codes, checked or not; Sort Course is offered only while it is.
    bool courseCodesShown() const;
    void showCourseCodes(bool shown);

    // The picture buttons in their order, and the two text buttons, for the window to lay out.
    const std::vector<QToolButton*>& pictureButtons() const { return pictureButtons_; }
    QPushButton* viewSwitchButton() const { return cmdSwitch; }
    QPushButton* selectionButton() const { return cmdSwitchCommentSelection; }

signals:
    void chosen(MainCommand command);

private:
    void buildMenus(QMainWindow& window);
    // `shortcut`: one key, or several parted by "; " (the first is the one the menu shows).
    QAction* action(QWidget* menu, const char* name, const char* caption, MainCommand command,
                    const char* shortcut = nullptr);
    // A button's tooltip, with the key of its command when the menus give it one.
    QString tipWithKey(const char* tip, MainCommand command) const;

    QAction* mnuSave = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuPrintPreview = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuImportMarks = nullptr;
    QAction* mnuPasteMarks = nullptr;
    QAction* mnuCopyGrid = nullptr;
    QAction* mnuShowCourse = nullptr;
    QAction* mnuSortNames = nullptr;
    QAction* mnuSortMarks = nullptr;
    QAction* mnuSortCourse = nullptr;
    QAction* mnuExport = nullptr;
    QToolButton* cmdSave = nullptr;
    QToolButton* cmdPrint = nullptr;
    QToolButton* cmdOpenFavourites = nullptr;
    QToolButton* cmdUndo = nullptr;
    QPushButton* cmdSwitch = nullptr;
    QPushButton* cmdSwitchCommentSelection = nullptr;
    std::vector<QToolButton*> pictureButtons_;
    std::map<MainCommand, QKeySequence> keys_;
};

} // namespace tq
