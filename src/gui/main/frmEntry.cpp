#include "gui/main/frmEntry.h"

#include "core/base/LeftSaveFiles.h"
#include "core/base/TeacherFolder.h"
#include "core/classdata/ClassSort.h"
#include "core/entry/ClassGridLayout.h"
#include "gui/main/ClassFileStatus.h"
#include "gui/main/LockWatcher.h"
#include "gui/main/RecoveryTroubleLine.h"
#include "gui/main/ClassReportPrinting.h"
#include "gui/main/DetailsPanel.h"
#include "gui/main/FavouritesPanel.h"
#include "gui/main/GridCellEntry.h"
#include "gui/widgets/CellEntryBox.h"
#include "gui/main/WindowPlacement.h"
#include "gui/reports/frmHelp.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/FavouritesFileDialogs.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/FileQuestions.h"
#include "gui/widgets/KeyboardReturn.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/StampCursor.h"
#include "gui/widgets/TabOrder.h"
#include "gui/widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>

#include <future>

namespace tq {

using ui::named;

namespace {
// Sizes of the window's parts, in twips.
constexpr int gridWidth = 8200;
constexpr int gridHeight = 6900;
constexpr int listWidth = 6900;
// What a screen exactly 600 pixels high takes off.
constexpr int smallScreenWindowCut = 2520;
constexpr int smallScreenGridCut = 2650;
constexpr int smallScreenListCut = 2520;
} // namespace

frmEntry::frmEntry(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs)
{
    loadIconResources();
    ui::returnKeyboardAfterWindows();
    setObjectName(QStringLiteral("frmEntry"));
    setWindowTitle(QStringLiteral("Tallyquill v") + QString::fromLatin1(versionLabel) +
                   QStringLiteral(" ~ Mark / Phrase Entry"));
    // The controls are made in the order the keyboard goes through them.
    msfgClass = named(new ui::ClassGrid(gridColumnCount, this), "msfgClass");
    msfgClass->setAccessibleName(QStringLiteral("Class: marks, comments and learning skills"));
    msfgClass->setEmptyWords(QStringLiteral("No class is open"));
    msfgClass->setRowNamer([this](int row) {
        return row >= 1 && row <= state_.studentCount()
                   ? ui::fromCp1252(fullName(state_.students[static_cast<size_t>(row - 1)]))
                   : QString();
    });
    entryBox_ = new CellEntryBox(*msfgClass);
    connect(entryBox_, &CellEntryBox::enterPressed, this, [this] { commitOpenEntry(); });
    commands_ = new MainCommands(*this);
    connect(commands_, &MainCommands::chosen, this, [this](MainCommand command) { run(command); });
    optAutoFill = named(new QCheckBox(QStringLiteral("Initial Values"), this), "optAutoFill");
    favouritesPanel_ = new FavouritesPanel(this);
    cellEntry_ = new GridCellEntry(*msfgClass, favouritesPanel_->favouritesList(), state_, *this);
    details_ = new DetailsPanel(this);
    connect(details_, &DetailsPanel::freeFormClicked, this, [this] { lblFreeFormComment_Click(); });
    connect(favouritesPanel_, &FavouritesPanel::placeChosen, this, [this] { placeChosenFavourite(); });
    lblCourse = named(new QLabel(this), "lblCourse");
    lblClassSize = named(new QLabel(this), "lblClassSize");
    classFile_ = new ClassFileStatus(*statusBar());
    new LockWatcher(state_, this, [this] { classFile_->showLockTaken(state_.classOpen.path); });
    recoveryTrouble_ = new RecoveryTroubleLine(*statusBar());
    commands_->addPictureButtons(*this);
    printing_ = new ClassReportPrinting(*this, state_, dialogs_, *this, *details_, *msfgClass);
    placement_ = new WindowPlacement(*this);
    buildLayout();
    connect(msfgClass, &ui::ClassGrid::enterCell, this, [this] { msfgClass_EnterCell(); });
    connect(msfgClass, &ui::ClassGrid::leaveCell, this, [this] { msfgClass_LeaveCell(); });
    connect(msfgClass, &ui::ClassGrid::keyPressed, this, [this](int code) { msfgClass_KeyPress(code); });
    msfgClass->setCustomPointer(stampCursor());
}

frmEntry::~frmEntry() = default;

void frmEntry::buildLayout()
{
    QFont heading = ui::programFont(QStringLiteral("MS Sans Serif"), 10);
    heading.setBold(true);
    lblCourse->setFont(heading);
    lblClassSize->setFont(heading);
    lblCourse->setMinimumWidth(QFontMetrics(heading).horizontalAdvance(QStringLiteral("MMMMMMMMMMMM")));
    lblClassSize->setMinimumWidth(QFontMetrics(heading).horizontalAdvance(QStringLiteral("000 Students")));

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 4, 8, 8);
    auto* tools = new QHBoxLayout;
    for (QToolButton* button : commands_->pictureButtons())
        tools->addWidget(button);
    tools->addSpacing(24);
    tools->addWidget(lblCourse);
    tools->addSpacing(16);
    tools->addWidget(lblClassSize);
    tools->addStretch(1);
    outer->addLayout(tools);

    // The grid, with its buttons under it, and the list beside both take the room the window
    // gives them; the grid is as wide as its columns need, the list gets the rest of the width.
    auto* middle = new QHBoxLayout;
    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(msfgClass, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(commands_->viewSwitchButton());
    buttons->addWidget(optAutoFill);
    buttons->addStretch(1);
    buttons->addWidget(commands_->selectionButton());
    gridColumn->addLayout(buttons);
    middle->addLayout(gridColumn);
    middle->addWidget(favouritesPanel_, 1);
    outer->addLayout(middle, 1);
    outer->addWidget(details_);
    setCentralWidget(central);

    // Tab goes as the window reads: the tool bar, the grid and the buttons under it, the list
    // beside them, the details under everything.
    std::vector<QWidget*> order(commands_->pictureButtons().begin(), commands_->pictureButtons().end());
    for (QWidget* control : std::initializer_list<QWidget*>{msfgClass, commands_->viewSwitchButton(), optAutoFill,
                                                            commands_->selectionButton(), &favouritesPanel_->favouritesList(),
                                                            favouritesPanel_->skillsKey(), details_})
        order.push_back(control);
    ui::setTabOrder(order);

    msfgClass->setFixedWidth(ui::twipsToPixelsX(gridWidth, this));
    msfgClass->setMinimumHeight(ui::twipsToPixelsY(gridHeight, this));
    msfgClass->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    favouritesPanel_->setListMinimumSize(QSize(ui::twipsToPixelsX(listWidth, this),
                                               ui::twipsToPixelsY(gridHeight, this) - favouritesPanel_->captionHeight()));
}

void frmEntry::applySmallScreenLayout()
{
    msfgClass->setMinimumHeight(msfgClass->minimumHeight() - ui::twipsToPixelsY(smallScreenGridCut, this));
    favouritesPanel_->shortenLists(ui::twipsToPixelsY(smallScreenListCut, this));
    // The window's own minimum follows its parts' before it can shrink.
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(width(), height() - ui::twipsToPixelsY(smallScreenWindowCut, this));
}

std::future<PhraseLibraryLoad> frmEntry::startReadingLibrary(const ProgramState& state)
{
    return std::async(std::launch::async, loadPhraseLibrary, state.phraseLibraryPath());
}

bool frmEntry::Form_Load(const SplashRunner& runSplash, std::future<PhraseLibraryLoad> reading)
{
    // Nothing uses the library before it is complete, and a library that cannot be used still
    // ends the program with its message.
    if (!reading.valid())
        reading = startReadingLibrary(state_);
    runSplash(state_);
    state_.firstFileDialog = true;
    enterCellActive = true;
    leaveCellActive = true;

    PhraseLibraryLoad load = reading.get();
    state_.phrases = std::move(load.library);
    if (load.message) {
        showMessage(*load.message);
        if (load.message->endsProgram) {
            endProgram();
            return false;
        }
    }

    show();
    adjustSize();
    if (state_.smallScreen)
        applySmallScreenLayout();

    // The file chosen in the start-up window; a refused one leaves a new list without a name.
    MaybeMessage refused;
    if (const std::string chosen = state_.favourites.favouritesFile; !chosen.empty()) {
        std::optional<FileClaim> claim = claimToOpen(dialogs_, this, state_, state_.favouritesOpen, chosen);
        if (!claim)
            startNewFavourites(state_);
        else if ((refused = tq::openFavourites(state_, chosen, std::move(*claim))))
            showMessage(*refused);
    }
    // A library cut short is named here, once, whether or not a favourites list was opened.
    if (MaybeMessage notice = favouritesLibraryNotice(state_); notice && !refused)
        showMessage(*notice);
    // What interrupted saves left in the teacher's folders holds names and marks: it goes.
    removeLeftSaveFiles(dialogStartFolder(state_.folders.teacherFolder));
    removeLeftSaveFiles(fileDialogFolder(state_.folders));
    showOpenedFavourites();

    commands_->setClassCommandsEnabled(false);
    clearUndo();
    commands_->showCourseCodes(false);
    cellEntry_->dropCode();
    return true;
}

void frmEntry::run(MainCommand command)
{
    switch (command) {
    case MainCommand::OpenFavourites: openFavourites(); break;
    case MainCommand::NewClass: newTrillium(); break;
    case MainCommand::OpenClass: OpenClassFile(); break;
    case MainCommand::Save: saveCommand(); break;
    case MainCommand::Update: updateCommand(); break;
    case MainCommand::Print: printing_->print(); break;
    case MainCommand::PrintPreview: printing_->preview(); break;
    case MainCommand::Exit: leave(); break;
    case MainCommand::Undo: doUndo(); break;
    case MainCommand::Redo: doRedo(); break;
    case MainCommand::ShowCourseCodes: showCourseCodesCommand(); break;
    case MainCommand::SortNames: sortCommand(&sortByName); break;
    case MainCommand::SortMarks: sortCommand(&sortByMark); break;
    case MainCommand::SortCourse: sortCommand(&sortByCourse); break;
    case MainCommand::InitialValues: mnuAutoFill_Click(); break;
    case MainCommand::Selection: mnuSelection_Click(); break;
    case MainCommand::Export: mnuExport_Click(); break;
    case MainCommand::SwitchView: cmdSwitch_Click(); break;
    case MainCommand::FreeForm: lblFreeFormComment_Click(); break;
    case MainCommand::Summary: showSummary(this); break;
    case MainCommand::ImportMarks: importMarksCommand(); break;
    case MainCommand::PasteMarks: pasteMarksCommand(); break;
    case MainCommand::CopyGrid: copyGridCommand(); break;
    case MainCommand::Help:
        // One help window: a second click brings the open one forward.
        if (!helpWindow_) {
            helpWindow_ = new frmHelp(this);
            helpWindow_->setWindowFlag(Qt::Window);
        }
        helpWindow_->show();
        helpWindow_->raise();
        helpWindow_->activateWindow();
        break;
    }
}

void frmEntry::showMessage(const Message& m)
{
    ui::showMessage(dialogs_, this, m);
}

void frmEntry::showCourseCodesCommand()
{
    // The item has already flipped its own check mark.
    commands_->showCourseCodes(state_.studentCount() >= 1 && commands_->courseCodesShown());
    if (state_.studentCount() >= 1)
        reorderKeepingPlace([] {});
}

bool frmEntry::showCourseCodes() const
{
    return commands_->courseCodesShown();
}

// Asks whether to save the open class before it is replaced or the program ends. True when the
// action may go on: no class is open, the teacher answered No, or the class was saved. Cancel
// (Escape, the close box) stops the action with everything as it was, a box being typed in
// included; so does a Yes whose save did not happen (its dialog cancelled, or the file not
// written), so the class is never lost on the way. Yes stores what is typed in the box as Enter
// does, so the class saved is the one the window shows and the next key goes to the grid.
bool frmEntry::offerToSaveClass(const QString& question, const QString& title)
{
    if (state_.studentCount() < 1)
        return true;
    switch (dialogs_.questionWithCancel(this, question, title)) {
    case ui::Dialogs::Answer::Cancel: return false;
    case ui::Dialogs::Answer::No:
        state_.recovery.classNotSaved(); // a restored class is set aside whole if it is replaced
        return true;
    case ui::Dialogs::Answer::Yes: break;
    }
    commitOpenEntry();
    return saveas();
}

// Exit and the close box: the class, then a favourites list with edits in no file, is offered
// for saving; a save that does not happen keeps the program running.
void frmEntry::leave()
{
    if (ended_ || !askBeforeEnding())
        return;
    endProgram();
}

bool frmEntry::askBeforeEnding()
{
    if (!offerToSaveClass(QStringLiteral("Do you want to save the class?"), QStringLiteral("Exit Tallyquill")))
        return false;
    FavouritesFileDialogs favourites(state_, dialogs_, this);
    if (state_.favouritesStatus.unsaved &&
        !favourites.offerToSave(QStringLiteral("Do you want to save the favourites?"), QStringLiteral("Exit Tallyquill")))
        return false;
    // Saved, or the teacher chose not to: the copies go.
    state_.recovery.classDiscarded();
    if (state_.favouritesStatus.unsaved)
        favouritesDiscarded(state_);
    return true;
}

bool frmEntry::sessionEnding(bool mayAsk)
{
    if (ended_)
        return true;
    if (!mayAsk) {
        keepLastCopy();
        return true;
    }
    if (!askBeforeEnding())
        return false;
    endProgram();
    return true;
}

void frmEntry::endWithoutAsking()
{
    keepLastCopy();
    state_.classOpen.lock.release();
    state_.favouritesOpen.lock.release();
    state_.recovery.finish();
}

void frmEntry::keepLastCopy()
{
    // A mark typed and not yet entered is work too; a code would need its check, which may speak
    // up in a message, so it stays out.
    if (entryBox_->isOpen() && entryBox_->holds() == CellEntryBox::Holds::Mark)
        storeOpenMark();
    state_.recovery.copyNow();
}

void frmEntry::endProgram()
{
    ended_ = true;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this)
            w->close();
    hide();
    // Leave the event loop if it runs; asking it to quit before it runs would make the next
    // loop (a message box's, say) return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void frmEntry::closeEvent(QCloseEvent* event)
{
    leave();
    // The window stays when the class could not be saved.
    event->setAccepted(ended_);
}

} // namespace tq
