#include "gui/main/MainCommands.h"

#include "gui/widgets/MenuKeysAccessible.h"
#include "gui/widgets/NamedControls.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace tq {

MainCommands::MainCommands(QMainWindow& window) : QObject(&window)
{
    buildMenus(window);
    cmdSwitch = ui::named(new QPushButton(QStringLiteral("Comments/Skills"), &window), "cmdSwitch");
    cmdSwitchCommentSelection = ui::named(
        new QPushButton(QStringLiteral("Add a Comment: Switch to Comment Selection Mode "), &window),
        "cmdSwitchCommentSelection");
    cmdSwitch->setToolTip(tipWithKey("Show the comments or the learning skills", MainCommand::SwitchView));
    cmdSwitchCommentSelection->setToolTip(tipWithKey("Build the favourites list", MainCommand::Selection));
    connect(cmdSwitch, &QPushButton::clicked, this, [this] { emit chosen(MainCommand::SwitchView); });
    connect(cmdSwitchCommentSelection, &QPushButton::clicked, this, [this] { emit chosen(MainCommand::Selection); });
}

QAction* MainCommands::action(QWidget* menu, const char* name, const char* caption, MainCommand command,
                              const char* shortcut)
{
    auto* item = new QAction(QString::fromUtf8(caption), menu);
    item->setObjectName(QString::fromLatin1(name));
    if (shortcut) {
        item->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(shortcut)));
        keys_[command] = item->shortcut();
    }
    menu->addAction(item);
    connect(item, &QAction::triggered, this, [this, command] { emit chosen(command); });
    return item;
}

QString MainCommands::tipWithKey(const char* tip, MainCommand command) const
{
    const auto key = keys_.find(command);
    if (key == keys_.end())
        return QString::fromLatin1(tip);
    return QStringLiteral("%1 (%2)").arg(QString::fromLatin1(tip), key->second.toString(QKeySequence::NativeText));
}

void MainCommands::buildMenus(QMainWindow& window)
{
    using C = MainCommand;
    ui::readMenuKeys();
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    action(file, "mnuOpenFavourites", "&Open Favourites", C::OpenFavourites, "Ctrl+O");
    file->addSeparator()->setObjectName(QStringLiteral("mnuf"));
    action(file, "mnuNewTrillium", "New Class File From Trillium", C::NewClass, "Ctrl+N");
    action(file, "mnuOpenClass", "Open Existing Class File", C::OpenClass);
    mnuSave = action(file, "mnuSave", "&Save Class File", C::Save, "Ctrl+S");
    mnuImportMarks = action(file, "mnuImportMarks", "Import &Marks\u2026", C::ImportMarks, "Ctrl+M");
    file->addSeparator()->setObjectName(QStringLiteral("munfiller1"));
    mnuUpdate = action(file, "mnuUpdate", "&Update Class File", C::Update);
    file->addSeparator()->setObjectName(QStringLiteral("mnufiller1"));
    mnuPrint = action(file, "mnuPrint", "&Print", C::Print, "Ctrl+P");
    mnuPrintPreview = action(file, "mnuPrintPreview", "Print Pre&view", C::PrintPreview);
    file->addSeparator()->setObjectName(QStringLiteral("mnufiller2"));
    action(file, "mnuExit", "E&xit", C::Exit);

    QMenu* edit = bar->addMenu(QStringLiteral("E&dit")); // "&eFile" has the E
    // The key every editor uses, and the program's own of old.
    mnuUndo = action(edit, "mnuUndo", "&Undo", C::Undo, "Ctrl+Z; Ctrl+U");
    mnuRedo = action(edit, "mnuRedo", "&Redo", C::Redo, "Ctrl+Y; Ctrl+Shift+Z");
    // The keyboard's way to the free-form comment, which the mouse reaches on the details panel.
    action(edit, "mnuFreeForm", "&Free Form Comment...", C::FreeForm, "F2");
    // Marks from a spreadsheet's clipboard into the mark column, and the grid out to one.
    mnuPasteMarks = action(edit, "mnuPasteMarks", "&Paste Marks", C::PasteMarks, "Ctrl+V");
    mnuCopyGrid = action(edit, "mnuCopyGrid", "&Copy Class as Table", C::CopyGrid, "Ctrl+C");

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    mnuShowCourse = action(view, "mnuShowCourse", "Show Course Codes", C::ShowCourseCodes);
    mnuShowCourse->setCheckable(true);
    action(view, "mnuSwitch", "Comments or &Learning Skills", C::SwitchView, "Ctrl+L");
    action(view, "mnuSummary", "Class Su&mmary", C::Summary);

    QMenu* sort = bar->addMenu(QStringLiteral("&Sort"));
    mnuSortNames = action(sort, "mnuSortNames", "Sort &Names (alphabetically)", C::SortNames);
    mnuSortMarks = action(sort, "mnuSortMarks", "Sort &Marks (descending)", C::SortMarks);
    mnuSortCourse = action(sort, "mnuSortCourse", "Sort Course (alphabetically)", C::SortCourse);
    mnuSortCourse->setVisible(false);

    QMenu* mode = bar->addMenu(QStringLiteral("&Mode"));
    action(mode, "mnuAutoFill", "&Initial Values Setup", C::InitialValues, "Ctrl+I");
    action(mode, "mnuSelection", "Comment S&election", C::Selection, "Ctrl+E");
    // The mode the window is in: it stays checked and does nothing.
    QAction* mnuMark = mode->addAction(QStringLiteral("Mark / Comment Entry"));
    mnuMark->setObjectName(QStringLiteral("mnuMark"));
    mnuMark->setCheckable(true);
    mnuMark->setChecked(true);
    connect(mnuMark, &QAction::triggered, mnuMark, [mnuMark] { mnuMark->setChecked(true); });

    QMenu* efile = bar->addMenu(QStringLiteral("&eFile"));
    mnuExport = action(efile, "mnuExport", "&Convert Class File to Trillium Format for Mark Submission", C::Export,
                       "Ctrl+T");

    // "&Help" has no items: choosing the menu itself opens the help window.
    action(bar, "mnuhelp", "&Help", C::Help);
}

void MainCommands::addPictureButtons(QWidget& window)
{
    struct Button {
        QToolButton** button;
        const char* name;
        const char* tip;
        const char* icon;
        MainCommand command;
    };
    QToolButton* cmdNew = nullptr;
    QToolButton* cmdOpen = nullptr;
    const Button buttons[] = {
        {&cmdNew, "cmdNew", "Create New Class File of Students", ":/icons/new.svg", MainCommand::NewClass},
        {&cmdOpen, "cmdOpen", "Open Previously Saved Class File", ":/icons/open.svg", MainCommand::OpenClass},
        {&cmdSave, "cmdSave", "Save Class File", ":/icons/save.svg", MainCommand::Save},
        {&cmdPrint, "cmdPrint", "Print Class File", ":/icons/print.svg", MainCommand::Print},
        {&cmdOpenFavourites, "cmdOpenFavourites", "Open Favourites", ":/icons/openFavourites.svg",
         MainCommand::OpenFavourites},
        {&cmdUndo, "cmdUndo", "Undo", ":/icons/undo.svg", MainCommand::Undo},
    };
    for (const Button& b : buttons) {
        *b.button = ui::pictureButton(&window, b.name, tipWithKey(b.tip, b.command), b.icon);
        connect(*b.button, &QToolButton::clicked, this, [this, command = b.command] { emit chosen(command); });
        pictureButtons_.push_back(*b.button);
    }
}

void MainCommands::setClassCommandsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSave, cmdPrint})
        w->setEnabled(enabled);
    for (QAction* a : {mnuSave, mnuPrint, mnuPrintPreview, mnuSortNames, mnuSortMarks, mnuUpdate, mnuExport,
                       mnuImportMarks, mnuPasteMarks, mnuCopyGrid})
        a->setEnabled(enabled);
}

void MainCommands::setUndoEnabled(bool enabled)
{
    cmdUndo->setEnabled(enabled);
    mnuUndo->setEnabled(enabled);
}

void MainCommands::setRedoEnabled(bool enabled)
{
    mnuRedo->setEnabled(enabled);
}

void MainCommands::setOpenFavouritesEnabled(bool enabled)
{
    cmdOpenFavourites->setEnabled(enabled);
}

bool MainCommands::courseCodesShown() const
{
    return mnuShowCourse->isChecked();
}

void MainCommands::showCourseCodes(bool shown)
{
    mnuShowCourse->setChecked(shown);
    mnuSortCourse->setVisible(shown);
}

} // namespace tq
