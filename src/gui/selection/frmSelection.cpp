#include "gui/selection/frmSelection.h"

#include "core/program/ProgramState.h"
#include "gui/selection/PhraseMatchList.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/DropDownList.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesFileDialogs.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/FocusSaidFirst.h"
#include "gui/widgets/MenuKeysAccessible.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/ScreenReaderAnnouncement.h"
#include "gui/widgets/StampCursor.h"
#include "gui/widgets/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

// Q_INIT_RESOURCE declares a global function, so it must be used outside any namespace.
static void registerSelectionIcons()
{
    Q_INIT_RESOURCE(selection);
}

namespace tq {

using ui::pictureButton;

namespace {
// Sizes in twips.
constexpr int windowWidth = 19800;
constexpr int windowHeight = 10500;
constexpr int searchHalfWidth = 10200;
constexpr int listMinimumHeight = 4000;

void fillList(QComboBox* list, std::span<const CategoryItem> items)
{
    for (const CategoryItem& item : items)
        list->addItem(ui::fromCp1252(item.text));
}

template <typename Widget, typename... Args>
Widget* control(const char* name, Args&&... args)
{
    return ui::named(new Widget(std::forward<Args>(args)...), name);
}

} // namespace

frmSelection::frmSelection(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent, Qt::Window), state_(state), dialogs_(dialogs)
{
    loadIconResources();
    registerSelectionIcons();
    setObjectName(QStringLiteral("frmSelection"));
    setWindowTitle(QStringLiteral("Tallyquill v") + QString::fromLatin1(versionLabel) +
                   QStringLiteral(" ~ Comment Selection"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildSearchControls();
    buildFavouritesControls();
    buildMenus();
    buildLayout();
    connectControls();
    connectKeys();
}

frmSelection::~frmSelection() = default;

void frmSelection::buildSearchControls()
{
    fraSearchCriteria = control<QGroupBox>("fraSearchCriteria", QStringLiteral("Search Criteria: Select All That Apply"), this);
    cmbMarkCat = control<ui::DropDownList>("cmbMarkCat", fraSearchCriteria);
    cmbCommentCat = control<ui::DropDownList>("cmbCommentCat", fraSearchCriteria);
    cmbLS = control<ui::DropDownList>("cmbLS", fraSearchCriteria);
    cmbDept = control<ui::DropDownList>("cmbDept", fraSearchCriteria);
    fillList(cmbMarkCat, gradeStreamItems());
    fillList(cmbCommentCat, commentCategoryItems());
    fillList(cmbLS, learningSkillItems());
    fillList(cmbDept, departmentItems());
    for (QComboBox* list : {cmbMarkCat, cmbCommentCat, cmbLS, cmbDept})
        list->setMaxVisibleItems(static_cast<int>(departmentItems().size()));

    fraKeywordSearch = control<QGroupBox>("fraKeywordSearch", QStringLiteral("&Keyword Search"), this);
    txtAnd1 = control<QLineEdit>("txtAnd1", fraKeywordSearch);
    txtAnd2 = control<QLineEdit>("txtAnd2", fraKeywordSearch);
    txtOr = control<QLineEdit>("txtOr", fraKeywordSearch);
    txtNot = control<QLineEdit>("txtNot", fraKeywordSearch);
    constexpr int keywordBoxWidth = 1500; // twips
    for (QLineEdit* box : {txtAnd1, txtAnd2, txtOr, txtNot})
        box->setFixedWidth(ui::twipsToPixelsX(keywordBoxWidth, this));
    // The boxes stand between brackets and words rather than under captions of their own.
    txtAnd1->setAccessibleName(QStringLiteral("Keyword"));
    txtAnd2->setAccessibleName(QStringLiteral("AND keyword"));
    txtOr->setAccessibleName(QStringLiteral("OR keyword"));
    txtNot->setAccessibleName(QStringLiteral("and NOT keyword"));
    for (QLineEdit* box : {txtAnd1, txtAnd2, txtOr, txtNot})
        ui::sayFocusFirst(*box); // else an empty box is silent on Tab
    cmdSearch = control<QPushButton>("cmdSearch", QStringLiteral("Search"), fraKeywordSearch);
    chkNoDups = control<QCheckBox>("chkNoDups", QStringLiteral("Don't Show Dups"), fraKeywordSearch);

    lstComments = control<PhraseMatchList>("lstComments", state_.phrases, this);
    lstComments->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 10));
    lstComments->setAccessibleName(QStringLiteral("Comments found"));
}

void frmSelection::buildFavouritesControls()
{
    lblFavouriteFile = control<ui::ElidedLabel>("lblFavouriteFile", this);
    lblDoubleClick = control<QLabel>("lblDoubleClick", QStringLiteral("Double click a comment to move it to Favourites"), this);
    lstFavourites = control<FavouritesList>("lstFavourites", FavouritesListKind::Entries, this);
    lstFavourites->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 10));
    ui::captionControl(lblFavouriteFile, lstFavourites);

    // Each tooltip tells the command's key: the File menu's for the files, the favourites list's
    // own keys for its rows.
    cmdNew = pictureButton(this, "cmdNew", "New Favourites List (Ctrl+N)", ":/icons/new.svg");
    cmdOpen = pictureButton(this, "cmdOpen", "Open Favourites (Ctrl+O)", ":/icons/openFavourites.svg");
    cmdSave = pictureButton(this, "cmdSave", "Save Favourites (Ctrl+S)", ":/icons/save.svg");
    cmdSaveAs = pictureButton(this, "cmdSaveAs", "Save As Favourites (Ctrl+Shift+S)", ":/selection/saveAs.svg");
    cmdPrint = pictureButton(this, "cmdPrint", "Print Favourites (Ctrl+P)", ":/icons/print.svg");
    cmdUp = pictureButton(this, "cmdUp", "Move Comment Up in the List (Ctrl+Up)", ":/selection/up.svg");
    cmdDown = pictureButton(this, "cmdDown", "Move Comment Down in the List (Ctrl+Down)", ":/selection/down.svg");
    cmdDeleteFavourite =
        pictureButton(this, "cmdDeleteFavourite", "Remove Comment from Favourites (Delete)", ":/selection/remove.svg");
    cmdInsertDashes = control<QPushButton>("cmdInsertDashes", QStringLiteral("-----"), this);
    cmdInsertDashes->setToolTip(QStringLiteral("Insert Separator into List (Insert)"));
    cmdInsertDashes->setAccessibleName(cmdInsertDashes->toolTip());
    cmdBack = control<QPushButton>("cmdBack", QStringLiteral("&Back to Mark / Comment Entry"), this);
    cmdBack->setToolTip(QStringLiteral("Saves the favourites and goes back to the class (Alt+B or Escape)"));
    cmdBack->setMinimumHeight(32);
}

void frmSelection::buildMenus()
{
    ui::readMenuKeys();
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    const auto item = [file](const char* name, const char* caption) {
        QAction* action = file->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuNew = item("mnuNew", "&New Favourites");
    mnuOpen = item("mnuOpen", "&Open Favourites");
    // "Save&As" has the A, so adding takes the d.
    mnuAddToFavourites = item("mnuAddToFavourites", "A&dd to Favourites");
    file->addSeparator();
    mnuSave = item("mnuSave", "&Save Favourites");
    mnuSaveAs = item("mnuSaveAs", "Save&As Favourites");
    file->addSeparator();
    mnuPrint = item("mnuPrint", "&Print");
    mnuPrintPreview = item("mnuPrintPreview", "Print Pre&view");
    file->addSeparator();
    mnuExit = item("mnuExit", "E&xit");
}

void frmSelection::buildLayout()
{
    auto* criteria = new QGridLayout(fraSearchCriteria);
    const std::pair<const char*, QComboBox*> lists[] = {
        {"&Grade/Stream", cmbMarkCat}, {"&Category", cmbCommentCat}, {"&Learning Skill", cmbLS}, {"&Department ", cmbDept}};
    int column = 0;
    for (const auto& [caption, list] : lists) {
        auto* label = new QLabel(QString::fromLatin1(caption), fraSearchCriteria);
        label->setBuddy(list);
        criteria->addWidget(label, 0, column);
        criteria->addWidget(list, 1, column++);
    }

    auto* keywords = new QGridLayout(fraKeywordSearch);
    // The words before the boxes are their labels, which a screen reader says with the box.
    const auto wordBefore = [this](const char* words, QLineEdit* box) {
        auto* label = new QLabel(QString::fromLatin1(words), fraKeywordSearch);
        label->setBuddy(box);
        return label;
    };
    int at = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{
             new QLabel(QStringLiteral("("), fraKeywordSearch), txtAnd1, wordBefore("AND", txtAnd2), txtAnd2,
             new QLabel(QStringLiteral(")"), fraKeywordSearch), wordBefore("OR", txtOr), txtOr,
             wordBefore("and NOT", txtNot), txtNot})
        keywords->addWidget(w, 0, at++);
    keywords->setColumnStretch(at, 1);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(cmdSearch);
    searchRow->addSpacing(16);
    searchRow->addWidget(chkNoDups);
    searchRow->addStretch(1);
    keywords->addLayout(searchRow, 1, 0, 1, at + 1);

    auto* search = new QVBoxLayout;
    search->addWidget(fraSearchCriteria);
    search->addWidget(fraKeywordSearch);
    search->addWidget(lstComments, 1);

    auto* tools = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdNew, cmdOpen, cmdSave, cmdSaveAs, cmdPrint})
        tools->addWidget(w);
    tools->addStretch(1);
    tools->addWidget(cmdBack);
    auto* editing = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdUp, cmdDown, cmdDeleteFavourite, cmdInsertDashes})
        editing->addWidget(w, 0, Qt::AlignHCenter);
    editing->addStretch(1);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstFavourites, 1);
    listRow->addLayout(editing);
    auto* favourites = new QVBoxLayout;
    favourites->addLayout(tools);
    favourites->addWidget(lblDoubleClick);
    favourites->addWidget(lblFavouriteFile);
    favourites->addLayout(listRow, 1);

    auto* central = new QWidget(this);
    auto* halves = new QHBoxLayout(central);
    halves->setContentsMargins(8, 4, 8, 8);
    auto* searchHalf = new QWidget(central);
    searchHalf->setLayout(search);
    search->setContentsMargins(0, 0, 0, 0);
    searchHalf->setFixedWidth(ui::twipsToPixelsX(searchHalfWidth, this));
    halves->addWidget(searchHalf);
    halves->addSpacing(8);
    halves->addLayout(favourites, 1);
    setCentralWidget(central);
    for (QWidget* list : std::initializer_list<QWidget*>{lstComments, lstFavourites})
        list->setMinimumHeight(ui::twipsToPixelsY(listMinimumHeight, this));
    resize(ui::twipsToPixelsX(windowWidth, this), ui::twipsToPixelsY(windowHeight, this));
}

void frmSelection::connectControls()
{
    connect(cmdSearch, &QPushButton::clicked, this, [this] { loadCommentList(); });
    // Enter in a keyword box presses "Search".
    for (QLineEdit* box : {txtAnd1, txtAnd2, txtOr, txtNot})
        connect(box, &QLineEdit::returnPressed, cmdSearch, &QPushButton::click);
    connect(lstComments, &QListView::doubleClicked, this, [this](const QModelIndex& index) { lstComments_DblClick(index.row()); });

    connect(cmdInsertDashes, &QPushButton::clicked, this, [this] { cmdInsertDashes_Click(); });
    connect(cmdUp, &QToolButton::clicked, this, [this] { cmdUp_Click(); });
    connect(cmdDown, &QToolButton::clicked, this, [this] { cmdDown_Click(); });
    connect(cmdDeleteFavourite, &QToolButton::clicked, this, [this] { cmdDeleteFavourite_Click(); });
    connect(lstFavourites, &FavouritesList::dragFinished, this, [this] { rebuildEntries(); });

    connect(cmdNew, &QToolButton::clicked, this, [this] { cmdNew_Click(); });
    connect(mnuNew, &QAction::triggered, this, [this] { cmdNew_Click(); });
    connect(cmdOpen, &QToolButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(mnuOpen, &QAction::triggered, this, [this] { cmdOpen_Click(); });
    connect(mnuAddToFavourites, &QAction::triggered, this, [this] { mnuAddToFavourites_Click(); });
    connect(cmdSave, &QToolButton::clicked, this, [this] { saveCommand(); });
    connect(mnuSave, &QAction::triggered, this, [this] { saveCommand(); });
    connect(cmdSaveAs, &QToolButton::clicked, this, [this] { saveAsFavourites(); });
    connect(mnuSaveAs, &QAction::triggered, this, [this] { saveAsFavourites(); });
    connect(cmdPrint, &QToolButton::clicked, this, [this] { PrintFavourites(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { PrintFavourites(); });
    connect(mnuPrintPreview, &QAction::triggered, this, [this] { previewFavourites(); });
    connect(mnuExit, &QAction::triggered, this, [this] { close(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { close(); });
}

void frmSelection::applySmallScreenLayout()
{
    // What a screen exactly 600 pixels high takes off, in twips.
    constexpr int smallScreenWindowCut = 2520;
    constexpr int smallScreenListCut = 168;
    // The lists take what height the window leaves them, so they also lose what it loses.
    for (QWidget* list : std::initializer_list<QWidget*>{lstComments, lstFavourites})
        list->setMinimumHeight(ui::twipsToPixelsY(listMinimumHeight - smallScreenListCut, this));
    resize(width(), height() - ui::twipsToPixelsY(smallScreenWindowCut, this));
}

void frmSelection::Form_Load()
{
    for (QComboBox* list : {cmbMarkCat, cmbCommentCat, cmbLS, cmbDept})
        list->setCurrentIndex(0);
    chkNoDups->setChecked(true);
    if (state_.smallScreen)
        applySmallScreenLayout();
    show();
    txtAnd1->setFocus(Qt::OtherFocusReason); // a search starts with its first keyword
    const Favourites& fav = state_.favourites;
    if (!fav.favouritesFile.empty() || !fav.favourites.empty() || state_.favouritesStatus.unsaved)
        showFavourites();
    else
        newFavourites();
}

SearchCriteria frmSelection::searchCriteria() const
{
    SearchCriteria c;
    c.gradeStream = cmbMarkCat->currentIndex();
    c.commentCategory = cmbCommentCat->currentIndex();
    c.learningSkill = cmbLS->currentIndex();
    c.department = cmbDept->currentIndex();
    c.and1 = ui::toCp1252(txtAnd1->text());
    c.and2 = ui::toCp1252(txtAnd2->text());
    c.orTerm = ui::toCp1252(txtOr->text());
    c.notTerm = ui::toCp1252(txtNot->text());
    c.hideDuplicates = chkNoDups->isChecked();
    return c;
}

const PhraseSearchIndex& frmSelection::searchIndex()
{
    if (!index_)
        index_ = std::make_unique<PhraseSearchIndex>(state_.phrases);
    return *index_;
}

void frmSelection::loadCommentList()
{
    // The phrases are in the library's code page: a keyword character outside it ("→", say)
    // would be looked for as a '?', found in every phrase that holds one.
    for (QLineEdit* box : {txtAnd1, txtAnd2, txtOr, txtNot}) {
        const QString outside = ui::charactersOutsideCp1252(box->text());
        if (outside.isEmpty())
            continue;
        lstComments->showMatches({});
        dialogs_.message(this,
                         QStringLiteral("TQ23: The keyword \"%1\" holds %2, which no phrase can hold. Nothing was "
                                        "searched for: please type the keyword without it.")
                             .arg(box->text(), outside),
                         QString::fromLatin1(programTitle));
        box->setFocus();
        return;
    }
    std::vector<int> found = searchIndex().search(searchCriteria());
    const size_t count = found.size();
    lstComments->showMatches(std::move(found));
    ui::announce(QString::fromStdString(commentsFoundText(count)));
}

void frmSelection::closeEvent(QCloseEvent* event)
{
    event->setAccepted(leaveForm());
}

bool frmSelection::leaveForm()
{
    if (left_)
        return true;
    // A named list is saved when it holds entries or edits. An unnamed one with edits asks for a
    // name; cancelling keeps the teacher here, with the edits.
    const bool saveNamed = !state_.favourites.favourites.empty() || state_.favouritesStatus.unsaved;
    const bool leaving = FavouritesFileDialogs(state_, dialogs_, this).saveOnLeaving(saveNamed);
    showCaption();
    if (!leaving)
        return false;
    left_ = true;
    emit returned();
    return true;
}

} // namespace tq
