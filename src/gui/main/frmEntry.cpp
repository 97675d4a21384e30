#include "gui/main/frmEntry.h"

#include "core/base/TeacherFolder.h"
#include "core/classdata/ClassSort.h"
#include "core/entry/ClassGridLayout.h"
#include "core/entry/StudentDetails.h"
#include "gui/reports/frmHelp.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/EventHook.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/StampCursor.h"
#include "gui/widgets/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <iterator>

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
// How long after the main window is shown again a move by the window manager is undone.
constexpr int placingWindow = 1000;

QAction* namedAction(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}
} // namespace

frmEntry::frmEntry(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs)
{
    loadIconResources();
    setObjectName(QStringLiteral("frmEntry"));
    setWindowTitle(QStringLiteral("Tallyquill v") + QString::fromLatin1(versionLabel) +
                   QStringLiteral(" ~ Mark / Phrase Entry"));
    buildControls();
    buildMenus();
    buildToolButtons();
    buildLayout();
    connectGrid();
    connectEntry();
}

frmEntry::~frmEntry() = default;

void frmEntry::buildControls()
{
    msfgClass = named(new ui::ClassGrid(gridColumnCount, this), "msfgClass");
    // The box lies on the grid's cell area: showing or hiding it there lays nothing else out again.
    txtDataEntry = named(new QLineEdit(msfgClass->viewport()), "txtDataEntry");
    txtDataEntry->hide();
    cmdSwitch = named(new QPushButton(QStringLiteral("Comments/Skills"), this), "cmdSwitch");
    optAutoFill = named(new QCheckBox(QStringLiteral("Initial Values"), this), "optAutoFill");
    cmdSwitchCommentSelection = named(
        new QPushButton(QStringLiteral("Add a Comment: Switch to Comment Selection Mode "), this),
        "cmdSwitchCommentSelection");
    lstFavourites = named(new FavouritesList(FavouritesListKind::Palette, this), "lstFavourites");
    lstLearningSkills = named(new QListWidget(this), "lstLearningSkills");
    lstFavourites->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 10));
    lstLearningSkills->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 8));
    lstLearningSkills->hide();
    lblFavouriteFile = named(new ui::ElidedLabel(this), "lblFavouriteFile");
    lblCourse = named(new QLabel(this), "lblCourse");
    lblClassSize = named(new QLabel(this), "lblClassSize");
    QFont heading = ui::programFont(QStringLiteral("MS Sans Serif"), 10);
    heading.setBold(true);
    lblCourse->setFont(heading);
    lblClassSize->setFont(heading);
    lblCourse->setMinimumWidth(QFontMetrics(heading).horizontalAdvance(QStringLiteral("MMMMMMMMMMMM")));
    lblClassSize->setMinimumWidth(QFontMetrics(heading).horizontalAdvance(QStringLiteral("000 Students")));

    Shape1 = named(new QFrame(this), "Shape1");
    Shape1->setFrameShape(QFrame::Box);
    QLabel** details[] = {&lblDetail1, &lblDetail2, &lblDetail3, &lblDetail4, &lblDetail5};
    const QFont fixed = ui::programFont(QStringLiteral("Courier New"), 8);
    int n = 1;
    for (QLabel** label : details) {
        *label = new QLabel(Shape1);
        (*label)->setObjectName(QStringLiteral("lblDetail%1").arg(n++));
        (*label)->setFont(fixed);
        (*label)->setTextFormat(Qt::PlainText);
    }
    // The over-long comment warning, under the five lines: shown while the student on show has
    // one, it takes no key and no click from the grid, so marks typed at speed land where meant.
    fraCommentWarning = named(new QFrame(Shape1), "fraCommentWarning");
    fraCommentWarning->setAutoFillBackground(true);
    QPalette warningColours = fraCommentWarning->palette();
    warningColours.setColor(QPalette::Window, QColor(255, 244, 206));
    warningColours.setColor(QPalette::WindowText, QColor(160, 0, 0));
    fraCommentWarning->setPalette(warningColours);
    auto* warningIcon = new QLabel(fraCommentWarning);
    warningIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(QSize(20, 20)));
    lblCommentWarning = named(new QLabel(fraCommentWarning), "lblCommentWarning");
    lblCommentWarning->setTextFormat(Qt::RichText);
    lblCommentWarning->setWordWrap(true);
    lblCommentWarning->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 8));
    lblCommentWarning->setText(QStringLiteral("<b>") + ui::fromCp1252(commentTooLongMessage().title).toHtmlEscaped() +
                               QStringLiteral("</b>&nbsp;&nbsp; ") +
                               ui::fromCp1252(commentTooLongMessage().text).toHtmlEscaped());
    auto* warningRow = new QHBoxLayout(fraCommentWarning);
    warningRow->setContentsMargins(6, 1, 6, 1);
    warningRow->addWidget(warningIcon, 0, Qt::AlignVCenter);
    warningRow->addWidget(lblCommentWarning, 1);
    fraCommentWarning->hide();
    lblFreeFormComment = named(new QLabel(Shape1), "lblFreeFormComment");
    lblFreeFormComment->setAttribute(Qt::WA_TranslucentBackground);
    lblClassFile = named(new QLabel(this), "lblClassFile");
    lblClassFile->setTextFormat(Qt::PlainText);
}

void frmEntry::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuOpenFavourites = namedAction(file, "mnuOpenFavourites", QStringLiteral("&Open Favourites"), QKeySequence(QStringLiteral("Ctrl+O")));
    file->addSeparator()->setObjectName(QStringLiteral("mnuf"));
    mnuNewTrillium = namedAction(file, "mnuNewTrillium", QStringLiteral("New Class File From Trillium"), QKeySequence(QStringLiteral("Ctrl+N")));
    mnuOpenClass = namedAction(file, "mnuOpenClass", QStringLiteral("Open Existing Class File"));
    mnuSave = namedAction(file, "mnuSave", QStringLiteral("&Save Class File"), QKeySequence(QStringLiteral("Ctrl+S")));
    file->addSeparator()->setObjectName(QStringLiteral("munfiller1"));
    mnuUpdate = namedAction(file, "mnuUpdate", QStringLiteral("&Update Class File"));
    file->addSeparator()->setObjectName(QStringLiteral("mnufiller1"));
    mnuPrint = namedAction(file, "mnuPrint", QStringLiteral("&Print"), QKeySequence(QStringLiteral("Ctrl+P")));
    mnuPrintPreview = namedAction(file, "mnuPrintPreview", QStringLiteral("Print Pre&view"));
    file->addSeparator()->setObjectName(QStringLiteral("mnufiller2"));
    mnuExit = namedAction(file, "mnuExit", QStringLiteral("E&xit"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    mnuUndo = namedAction(edit, "mnuUndo", QStringLiteral("&Undo"), QKeySequence(QStringLiteral("Ctrl+U")));

    QMenu* view = menuBar()->addMenu(QStringLiteral("View"));
    mnuShowCourse = namedAction(view, "mnuShowCourse", QStringLiteral("Show Course Codes"));
    mnuShowCourse->setCheckable(true);

    QMenu* sort = menuBar()->addMenu(QStringLiteral("&Sort"));
    mnuSortNames = namedAction(sort, "mnuSortNames", QStringLiteral("Sort &Names (alphabetically)"));
    mnuSortMarks = namedAction(sort, "mnuSortMarks", QStringLiteral("Sort &Marks (descending)"));
    mnuSortCourse = namedAction(sort, "mnuSortCourse", QStringLiteral("Sort Course (alphabetically)"));

    QMenu* mode = menuBar()->addMenu(QStringLiteral("&Mode"));
    mnuAutoFill = namedAction(mode, "mnuAutoFill", QStringLiteral("Initial Values Setup"));
    mnuSelection = namedAction(mode, "mnuSelection", QStringLiteral("Comment S&election"), QKeySequence(QStringLiteral("Ctrl+E")));
    mnuMark = namedAction(mode, "mnuMark", QStringLiteral("Mark / Comment Entry"));
    mnuMark->setCheckable(true);
    mnuMark->setChecked(true);

    QMenu* efile = menuBar()->addMenu(QStringLiteral("&eFile"));
    mnuExport = namedAction(efile, "mnuExport", QStringLiteral("Convert Class File to Trillium Format for Mark Submission"));

    // "&Help" has no items: choosing the menu itself opens the help window.
    mnuhelp = menuBar()->addAction(QStringLiteral("&Help"));
    mnuhelp->setObjectName(QStringLiteral("mnuhelp"));

    connect(mnuOpenFavourites, &QAction::triggered, this, [this] { openFavourites(); });
    connect(mnuOpenClass, &QAction::triggered, this, [this] { OpenClassFile(); });
    connect(mnuSave, &QAction::triggered, this, [this] { saveCommand(); });
    connect(mnuUpdate, &QAction::triggered, this, [this] { updateCommand(); });
    connect(mnuNewTrillium, &QAction::triggered, this, [this] { newTrillium(); });
    connect(mnuExport, &QAction::triggered, this, [this] { mnuExport_Click(); });
    connect(mnuAutoFill, &QAction::triggered, this, [this] { mnuAutoFill_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { printClassReport(); });
    connect(mnuPrintPreview, &QAction::triggered, this, [this] { previewClassReport(); });
    connect(mnuExit, &QAction::triggered, this, [this] { leave(); });
    connect(mnuShowCourse, &QAction::triggered, this, [this] { showCourseCodesCommand(); });
    connect(mnuSortNames, &QAction::triggered, this, [this] { sortCommand(&sortByName); });
    connect(mnuSortMarks, &QAction::triggered, this, [this] { sortCommand(&sortByMark); });
    connect(mnuSortCourse, &QAction::triggered, this, [this] { sortCommand(&sortByCourse); });
    connect(mnuMark, &QAction::triggered, this, [this] { mnuMark->setChecked(true); });
    connect(mnuhelp, &QAction::triggered, this, [this] { mnuhelp_Click(); });
    connect(mnuSelection, &QAction::triggered, this, [this] { mnuSelection_Click(); });
}

void frmEntry::buildToolButtons()
{
    struct Button {
        QToolButton** button;
        const char* name;
        const char* tip;
        const char* icon;
    };
    const Button buttons[] = {
        {&cmdNew, "cmdNew", "Create New Class File of Students", ":/icons/new.svg"},
        {&cmdOpen, "cmdOpen", "Open Previously Saved Class File", ":/icons/open.svg"},
        {&cmdSave, "cmdSave", "Save Class File", ":/icons/save.svg"},
        {&cmdPrint, "cmdPrint", "Print Class File", ":/icons/print.svg"},
        {&cmdOpenFavourites, "cmdOpenFavourites", "Open Favourites", ":/icons/openFavourites.svg"},
        {&cmdUndo, "cmdUndo", "Undo", ":/icons/undo.svg"},
    };
    for (const Button& b : buttons) {
        *b.button = ui::pictureButton(this, b.name, b.tip, b.icon);
    }
    connect(cmdNew, &QToolButton::clicked, this, [this] { newTrillium(); });
    connect(cmdOpen, &QToolButton::clicked, this, [this] { OpenClassFile(); });
    connect(cmdSave, &QToolButton::clicked, this, [this] { saveCommand(); });
    connect(cmdPrint, &QToolButton::clicked, this, [this] { printClassReport(); });
    connect(cmdOpenFavourites, &QToolButton::clicked, this, [this] { openFavourites(); });
    connect(cmdSwitch, &QPushButton::clicked, this, [this] { cmdSwitch_Click(); });
    connect(cmdSwitchCommentSelection, &QPushButton::clicked, this, [this] { mnuSelection_Click(); });
}

void frmEntry::buildLayout()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(8, 4, 8, 8);

    auto* tools = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdNew, cmdOpen, cmdSave, cmdPrint, cmdOpenFavourites, cmdUndo})
        tools->addWidget(w);
    tools->addSpacing(24);
    tools->addWidget(lblCourse);
    tools->addSpacing(16);
    tools->addWidget(lblClassSize);
    tools->addStretch(1);
    outer->addLayout(tools);

    // The grid and the list take the room the window gives them; the grid is as wide as its
    // columns need, the list gets the rest of the width, both the rest of the height.
    auto* middle = new QGridLayout;
    middle->addWidget(msfgClass, 0, 0, 2, 1);
    middle->addWidget(lblFavouriteFile, 0, 1);
    middle->addWidget(lstFavourites, 1, 1);
    middle->addWidget(lstLearningSkills, 1, 1);
    middle->setColumnStretch(1, 1);
    middle->setRowStretch(1, 1);
    outer->addLayout(middle, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSwitch);
    buttons->addWidget(optAutoFill);
    buttons->addStretch(1);
    buttons->addWidget(cmdSwitchCommentSelection);
    outer->addLayout(buttons);
    outer->addWidget(Shape1);
    setCentralWidget(central);
    statusBar()->addWidget(lblClassFile, 1);

    msfgClass->setFixedWidth(ui::twipsToPixelsX(gridWidth, this));
    msfgClass->setMinimumHeight(ui::twipsToPixelsY(gridHeight, this));
    msfgClass->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    for (QListWidget* list : std::initializer_list<QListWidget*>{lstFavourites, lstLearningSkills}) {
        list->setMinimumSize(ui::twipsToPixelsX(listWidth, this),
                             ui::twipsToPixelsY(gridHeight, this) - lblFavouriteFile->sizeHint().height());
        list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    Shape1->setFixedHeight(detailsPanelHeight());
    ui::onEvent(Shape1, QEvent::Resize, [this](QEvent*) { placeDetailLabels(); });
    placeDetailLabels();
}

namespace {
constexpr int detailMarginX = 6;
constexpr int detailMarginY = 4;
constexpr int detailLineCount = 5;
constexpr int warningLineCount = 2;
} // namespace

// The five detail lines, then room for the two lines of the over-long comment warning.
int frmEntry::detailsPanelHeight() const
{
    const int line = lblDetail1->fontMetrics().lineSpacing() + 2;
    const int warning = lblCommentWarning->fontMetrics().lineSpacing() * warningLineCount + 4;
    return Shape1->frameWidth() * 2 + detailMarginY * 3 + line * detailLineCount + warning;
}

// The five detail lines stand one under the other with the warning below them, and the free-form
// comment covers the whole panel. They are placed here rather than by a layout: a layout would
// have a detail line's new text (every move to another student) lay the whole main window out
// again and repaint much of it; and the warning coming and going moves nothing else.
void frmEntry::placeDetailLabels()
{
    const QRect inside = Shape1->contentsRect().adjusted(detailMarginX, detailMarginY, -detailMarginX, -detailMarginY);
    QLabel* const lines[] = {lblDetail1, lblDetail2, lblDetail3, lblDetail4, lblDetail5};
    const int line = lblDetail1->fontMetrics().lineSpacing() + 2;
    int top = inside.top();
    for (QLabel* label : lines) {
        label->setGeometry(inside.left(), top, inside.width(), line);
        top += line;
    }
    top += detailMarginY;
    fraCommentWarning->setGeometry(inside.left() - 2, top, inside.width() + 4, inside.bottom() + 1 - top);
    lblFreeFormComment->setGeometry(Shape1->rect());
}

void frmEntry::applySmallScreenLayout()
{
    msfgClass->setMinimumHeight(msfgClass->minimumHeight() - ui::twipsToPixelsY(smallScreenGridCut, this));
    for (QListWidget* list : std::initializer_list<QListWidget*>{lstFavourites, lstLearningSkills})
        list->setMinimumHeight(list->minimumHeight() - ui::twipsToPixelsY(smallScreenListCut, this));
    // The window's own minimum follows its parts' before it can shrink.
    centralWidget()->layout()->activate();
    layout()->activate();
    resize(width(), height() - ui::twipsToPixelsY(smallScreenWindowCut, this));
}

bool frmEntry::Form_Load(const SplashRunner& runSplash)
{
    runSplash(state_);
    state_.firstFileDialog = true;
    enterCellActive = true;
    leaveCellActive = true;

    PhraseLibraryLoad load = loadPhraseLibrary(state_.phraseLibraryPath());
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

    if (!state_.favourites.favouritesFile.empty()) {
        if (MaybeMessage m = readFavourites(state_.favourites, state_.phrases))
            showMessage(*m);
        showFavourites();
        optAutoFill->setEnabled(true);
        optAutoFill->setChecked(true);
    } else {
        showFavourites();
        optAutoFill->setEnabled(false);
    }

    for (QWidget* w : std::initializer_list<QWidget*>{cmdSave, cmdPrint, cmdUndo})
        w->setEnabled(false);
    for (QAction* a : {mnuSave, mnuPrint, mnuPrintPreview, mnuSortNames, mnuSortMarks, mnuUpdate, mnuExport, mnuUndo})
        a->setEnabled(false);
    clearUndo();
    mnuSortCourse->setVisible(false);
    codePicker_->drop();
    return true;
}

void frmEntry::enableClassCommands()
{
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSave, cmdPrint})
        w->setEnabled(true);
    for (QAction* a : {mnuSave, mnuPrint, mnuPrintPreview, mnuSortNames, mnuSortMarks, mnuUpdate, mnuExport})
        a->setEnabled(true);
}

void frmEntry::clearUndo()
{
    undoStack_.clear();
    cmdUndo->setEnabled(false);
    mnuUndo->setEnabled(false);
}

void frmEntry::showMessage(const Message& m)
{
    ui::showMessage(dialogs_, this, m);
}

// The class dialogs start in the teacher's Documents folder until a class file has been opened
// or saved, and from then on in that file's folder, so a class opened from a folder is saved
// back into it.
std::string frmEntry::classDialogFolder() const
{
    if (!lastClassFile_.empty())
        return folderOfFile(lastClassFile_);
    return favouritesDialogFolder();
}

std::string frmEntry::favouritesDialogFolder() const
{
    return teacherFolderFound(state_.folders.teacherFolder) ? state_.folders.teacherFolder : std::string();
}

// The status line names the file the open class was read from or last saved to; a class made
// from the master list has none until it is saved.
void frmEntry::showClassFile(const std::string& path)
{
    restoredFrom_.clear();
    lastClassFile_ = path.empty() ? lastClassFile_ : path;
    lblClassFile->setText(path.empty() ? QStringLiteral("Class file: not saved yet")
                                       : QStringLiteral("Class file: ") + QFile::decodeName(path.c_str()));
}

void frmEntry::showCourseCodesCommand()
{
    if (state_.studentCount() < 1) {
        mnuShowCourse->setChecked(false);
        return;
    }
    // The action has already flipped its own check mark.
    mnuSortCourse->setVisible(mnuShowCourse->isChecked());
    fillflexGrid();
}

bool frmEntry::showCourseCodes() const
{
    return mnuShowCourse->isChecked();
}

void frmEntry::mnuhelp_Click()
{
    // One help window: a second click brings the open one forward.
    if (!helpWindow_) {
        helpWindow_ = new frmHelp(this);
        helpWindow_->setWindowFlag(Qt::Window);
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void frmEntry::hideForWorkingWindow()
{
    placeBeforeHiding_ = Placement{geometry(), windowState()};
    hide();
}

// A window shown again is placed anew by the window manager, which may put it in a corner of the
// screen. It is given back its place before it is shown, and again once, should the manager move
// it on the way (see moveEvent).
void frmEntry::showAfterWorkingWindow()
{
    if (placeBeforeHiding_) {
        setGeometry(placeBeforeHiding_->geometry);
        setWindowState(placeBeforeHiding_->state);
        placingAgain_ = !(placeBeforeHiding_->state & (Qt::WindowMaximized | Qt::WindowFullScreen));
        QTimer::singleShot(placingWindow, this, [this] { placingAgain_ = false; });
    }
    show();
    raise();
    activateWindow();
}

void frmEntry::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (placingAgain_ && placeBeforeHiding_ && geometry() != placeBeforeHiding_->geometry) {
        placingAgain_ = false;
        setGeometry(placeBeforeHiding_->geometry);
    }
}

// Asks whether to save the open class before it is replaced or the program ends. True when the
// action may go on: no class is open, the teacher answered No, or the class was saved. A Yes
// whose save did not happen (its dialog cancelled, or the file not written) stops the action,
// so the class is never lost on the way; the teacher can repeat it and answer No to discard.
bool frmEntry::offerToSaveClass(const QString& question, const QString& title)
{
    if (state_.studentCount() < 1 || !dialogs_.question(this, question, title))
        return true;
    return saveas();
}

void frmEntry::leave()
{
    if (ended_)
        return;
    if (!offerToSaveClass(QStringLiteral("Do you want to save the class?"), QStringLiteral("Exit Tallyquill")))
        return;
    state_.recovery.classDiscarded(); // saved, or the teacher chose not to
    endProgram();
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
