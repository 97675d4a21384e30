#include "gui/initialvalues/frmAutoFill.h"

#include "core/base/Message.h"
#include "core/entry/ClassGridLayout.h"
#include "core/initialvalues/RangeDetails.h"
#include "core/initialvalues/RangeGridLayout.h"
#include "core/program/ProgramState.h"
#include "gui/widgets/CellEntryBox.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/CommentCodePicker.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/FavouritesFileDialogs.h"
#include "gui/widgets/FavouritesList.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/GridCellText.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/ReadingPanel.h"
#include "gui/widgets/StampCursor.h"
#include "gui/widgets/TabOrder.h"
#include "gui/widgets/Twips.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tq {

using ui::named;
using ui::pictureButton;

namespace {
// Sizes in twips.
constexpr int gridHeight = 6900;
constexpr int listWidth = 6900;
constexpr int smallScreenCut = 2520;

const char* const learningSkillValues[] = {"1    Needs Improvement", "2    Satisfactory", "3    Good",
                                           "4    Excellent!"};

} // namespace

frmAutoFill::frmAutoFill(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs)
{
    // The window goes when it is left; the main window keeps only a guarded pointer to it.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tallyquill v%1 ~ Initial Values Setup").arg(QString::fromLatin1(versionLabel)));
    setObjectName(QStringLiteral("frmAutoFill"));
    loadIconResources();
    buildControls();
    buildLayout();
    connectControls();
    connectKeys();
}

void frmAutoFill::buildControls()
{
    // Each command has its Alt letter, told in its tooltip with what it does.
    cmdEnterRanges = named(new QPushButton(QStringLiteral("&Enter Ranges"), this), "cmdEnterRanges");
    cmdEnterRanges->setToolTip(QStringLiteral("enter all the ranges you want (Alt+E)"));
    cmdSplit = named(new QPushButton(QStringLiteral("&Split Range"), this), "cmdSplit");
    cmdSplit->setToolTip(QStringLiteral("Splits current range into 2 ranges each half the original (Alt+S)"));
    cmdDelete = named(new QPushButton(QStringLiteral("&Delete Range"), this), "cmdDelete");
    cmdDelete->setToolTip(QStringLiteral("Deletes the current range and combines it with the one below (Alt+D)"));
    cmdUndo = named(new QPushButton(QStringLiteral("&Undo Comment/Learning Skill Changes"), this), "cmdUndo");
    cmdUndo->setToolTip(QStringLiteral("Undoes the last code or rating given to a range (Alt+U, Ctrl+Z or Ctrl+U)"));
    cmdBack = named(new QPushButton(QStringLiteral("&Back to Mark / Comment Entry"), this), "cmdBack");
    cmdBack->setToolTip(QStringLiteral("Saves the favourites and goes back to the class (Alt+B or Escape)"));
    cmdOpenFavourites = pictureButton(this, "cmdOpenFavourites", "Open Favourites", ":/icons/openFavourites.svg");
    cmdPrint = pictureButton(this, "cmdPrint", "Print Autofill Settings", ":/icons/print.svg");
    cmdPrintPreview = named(new QToolButton(this), "cmdPrintPreview");
    cmdPrintPreview->setText(QStringLiteral("Print Pre&view"));
    msfgClass = named(new ui::ClassGrid(rangeGridColumnCount, this), "msfgClass");
    msfgClass->setCustomPointer(stampCursor());
    msfgClass->setAccessibleName(QStringLiteral("Initial value ranges"));
    msfgClass->setRowNamer([this](int row) {
        return row >= 1 ? QStringLiteral("range %1 to %2").arg(msfgClass->text(row, 0).trimmed(), msfgClass->text(row, 1).trimmed())
                        : QString();
    });

    lstFavourites = named(new FavouritesList(FavouritesListKind::Palette, this), "lstFavourites");
    lstFavourites->setFont(ui::programFont(QStringLiteral("MS Sans Serif"), 10));
    lblFavouriteFile = named(new ui::ElidedLabel(this), "lblFavouriteFile");
    Label1 = named(new QLabel(QStringLiteral("Learning Skill Values"), this), "Label1");
    lstLearningSkills = named(new QListWidget(this), "lstLearningSkills");
    for (const char* value : learningSkillValues)
        lstLearningSkills->addItem(QString::fromLatin1(value));
    ui::captionControl(Label1, lstLearningSkills);
    ui::captionControl(lblFavouriteFile, lstFavourites);

    // The detail lines scroll sideways when a long phrase pushes a line past the frame. The
    // frame takes no key: the lines in it do, read out a field a line.
    auto* details = new QScrollArea(this);
    Frame1 = named(details, "Frame1");
    details->setFocusPolicy(Qt::NoFocus);
    details->setFrameShape(QFrame::Box);
    details->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    details->setWidgetResizable(true);
    rangeDetails_ = named(new ui::ReadingPanel(details, QStringLiteral("Range details")), "fraRangeDetails");
    auto* lines = rangeDetails_;
    auto* linesLayout = new QVBoxLayout(lines);
    linesLayout->setContentsMargins(6, 4, 6, 4);
    linesLayout->setSpacing(0);
    const QFont fixed = ui::programFont(QStringLiteral("Courier New"), 9);
    QLabel** labels[] = {&lblDetail1, &lblDetail2, &lblDetail3};
    int n = 1;
    for (QLabel** label : labels) {
        *label = new QLabel(lines);
        (*label)->setObjectName(QStringLiteral("lblDetail%1").arg(n++));
        (*label)->setFont(fixed);
        (*label)->setTextFormat(Qt::PlainText);
        linesLayout->addWidget(*label);
    }
    details->setWidget(lines);
}

void frmAutoFill::buildLayout()
{
    int columnsWidth = 0;
    for (int c = 0; c < rangeGridColumnCount; ++c)
        columnsWidth += rangeColumnWidth(c);
    // The grid is as wide as its columns, plus room for its vertical scroll bar.
    msfgClass->setFixedSize(ui::twipsToPixelsX(columnsWidth, this) + msfgClass->frameWidth() * 2 +
                                msfgClass->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2,
                            ui::twipsToPixelsY(gridHeight, this));
    lstFavourites->setFixedSize(ui::twipsToPixelsX(listWidth, this),
                                msfgClass->height() - lblFavouriteFile->sizeHint().height());
    lstLearningSkills->setFixedHeight(lstLearningSkills->sizeHintForRow(0) * lstLearningSkills->count() +
                                      lstLearningSkills->frameWidth() * 2 + 4);
    const QFontMetrics fixed(lblDetail1->font());
    Frame1->setFixedHeight(fixed.lineSpacing() * 3 + 8 + Frame1->frameWidth() * 2 +
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 6, 10, 10);

    auto* tools = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdOpenFavourites, cmdPrint, cmdPrintPreview})
        tools->addWidget(w);
    tools->addStretch(1);
    outer->addLayout(tools);

    auto* middle = new QHBoxLayout;
    middle->addWidget(msfgClass, 0, Qt::AlignTop);
    auto* commands = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdEnterRanges, cmdSplit, cmdDelete, cmdUndo})
        commands->addWidget(w);
    commands->addSpacing(16);
    commands->addWidget(Label1);
    commands->addWidget(lstLearningSkills);
    commands->addStretch(1);
    middle->addLayout(commands);
    auto* favourites = new QVBoxLayout;
    favourites->addWidget(lblFavouriteFile);
    favourites->addWidget(lstFavourites);
    favourites->addStretch(1);
    middle->addLayout(favourites);
    outer->addLayout(middle);

    outer->addWidget(Frame1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdBack);
    outer->addLayout(bottom);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    ui::setTabOrder({cmdOpenFavourites, cmdPrint, cmdPrintPreview, msfgClass, cmdEnterRanges, cmdSplit, cmdDelete, cmdUndo,
                     lstLearningSkills, lstFavourites, rangeDetails_, cmdBack});
}

void frmAutoFill::connectControls()
{
    codePicker_ = std::make_unique<CommentCodePicker>(*msfgClass, *lstFavourites);
    connect(msfgClass, &ui::ClassGrid::mouseReleased, this,
            [this](int button, int shift, int x, int y) { msfgClass_MouseUp(button, shift, x, y); });
    connect(msfgClass, &ui::ClassGrid::mouseMoved, this, [this](int, int, int x, int y) { msfgClass_MouseMove(x, y); });
    connect(msfgClass, &ui::ClassGrid::enterCell, this, [this] { msfgClass_EnterCell(); });
    connect(lstFavourites, &FavouritesList::entryChosen, this, [this] { lstFavourites_Click(); });
    connect(cmdEnterRanges, &QPushButton::clicked, this, [this] { cmdEnterRanges_Click(); });
    connect(cmdSplit, &QPushButton::clicked, this, [this] { cmdSplit_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdUndo, &QPushButton::clicked, this, [this] { cmdUndo_Click(); });
    connect(cmdOpenFavourites, &QToolButton::clicked, this, [this] { cmdOpenFavourites_Click(); });
    connect(cmdPrint, &QToolButton::clicked, this, [this] { printInitialValues(); });
    connect(cmdPrintPreview, &QToolButton::clicked, this, [this] { previewInitialValues(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { close(); });
}

void frmAutoFill::applySmallScreenLayout()
{
    const int cut = ui::twipsToPixelsY(smallScreenCut, this);
    msfgClass->setFixedHeight(msfgClass->height() - cut);
    lstFavourites->setFixedHeight(lstFavourites->height() - cut);
}

void frmAutoFill::Form_Load()
{
    show();
    if (!state_.favourites.favouritesFile.empty())
        showFavourites();
    else
        openFavourites();
    if (left_)
        return; // no file was chosen: the window has closed
    if (state_.smallScreen)
        applySmallScreenLayout();
    fillflexGrid();
    discardUndo();
    // The keyboard starts on the first range, where codes and ratings are typed.
    showFirstRange();
    msfgClass->setFocus(Qt::OtherFocusReason);
}

void frmAutoFill::showMessage(const Message& m)
{
    ui::showMessage(dialogs_, this, m);
}

void frmAutoFill::fillflexGrid()
{
    // A code picked up from a cell, or half typed into one, goes with the grid it was in: left
    // armed, the next click or Enter would place a code where the teacher no longer sees it.
    codePicker_->drop();
    entryBox_->close();
    msfgClass->clear();
    msfgClass->setBackgroundOutsideCells(palette().color(QPalette::Button));
    msfgClass->setRows(0);
    msfgClass->addRow(ui::fromCp1252(joinTabs(rangeGridHeadings())));
    for (int c = 0; c < rangeGridColumnCount; ++c)
        msfgClass->setColumnWidthTwips(c, rangeColumnWidth(c));
    for (const InitialValueRange& range : state_.favourites.initialRanges)
        msfgClass->addRow(ui::fromCp1252(joinTabs(rangeGridCells(range))));
    msfgClass->setFixedRows(1);
    msfgClass->setFixedCols(rangeFixedColumns);
    msfgClass_EnterCell(); // the current range may be the one it was, with other marks
}

void frmAutoFill::redrawRangeRow(int position)
{
    const RangeGridRow cells = rangeGridCells(rangeAt(position));
    for (int c = firstRangeCommentColumn; c < rangeGridColumnCount; ++c)
        setCellBytes(*msfgClass, position, c, cells[static_cast<size_t>(c)]);
}

// The current range is the one the grid marks and the details show, whichever way it became
// current: a click on any of its cells, the arrow keys, a split or a delete.
void frmAutoFill::msfgClass_EnterCell()
{
    const int row = msfgClass->currentRow();
    msfgClass->setMarkedRow(isRangeRow(row) ? row : -1);
    displayDetails(row);
}

void frmAutoFill::displayDetails(int position)
{
    QLabel* labels[] = {lblDetail1, lblDetail2, lblDetail3};
    if (!isRangeRow(position)) {
        for (QLabel* label : labels)
            label->clear(); // no ranges at all
        rangeDetails_->setReadingLines({});
        return;
    }
    const std::array<std::string, 3> lines = rangeDetailLines(rangeAt(position), state_.phrases);
    for (size_t i = 0; i < lines.size(); ++i)
        labels[i]->setText(ui::fromCp1252(lines[i]));
    QStringList reading;
    for (const std::string& line : rangeReadingLines(rangeAt(position), state_.phrases))
        reading << ui::fromCp1252(line);
    rangeDetails_->setReadingLines(reading);
}

InitialValueRange& frmAutoFill::rangeAt(int position)
{
    return state_.favourites.initialRanges[static_cast<size_t>(position - 1)];
}

bool frmAutoFill::isRangeRow(int row) const
{
    return row >= 1 && static_cast<size_t>(row) <= state_.favourites.initialRanges.size();
}

bool frmAutoFill::leave()
{
    if (left_)
        return true;
    // A named list is saved; should its file not be written, the ranges stay in memory, where
    // mark entry uses them, and in the recovery copy. An unnamed one with edits asks for a name,
    // and without one the teacher stays here with the edits.
    if (!FavouritesFileDialogs(state_, dialogs_, this).saveOnLeaving(true))
        return false;
    left_ = true;
    emit returned();
    return true;
}

frmAutoFill::~frmAutoFill() = default;

void frmAutoFill::closeEvent(QCloseEvent* event)
{
    event->setAccepted(leave());
}

} // namespace tq
