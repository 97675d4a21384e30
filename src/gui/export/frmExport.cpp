#include "gui/export/frmExport.h"

#include "core/base/TeacherFolder.h"
#include "core/classdata/ClassFile.h"
#include "core/classdata/MasterFile.h"
#include "core/entry/ClassGridLayout.h"
#include "core/export/ExportFile.h"
#include "core/program/ProgramState.h"
#include "core/spelling/ClassCommentCheck.h"
#include "gui/widgets/Announcement.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NamedControls.h"
#include "gui/widgets/ReadingPanel.h"
#include "gui/widgets/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace tq {

namespace {
// Sizes in twips.
constexpr int gridHeight = 7600;
constexpr int reportWidth = 7800;
constexpr int warningsHeight = 1500;
constexpr int smallScreenCut = 2520;
}

frmExport::frmExport(ProgramState& state, ui::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("eFile Confirmation and Verification"));
    setAttribute(Qt::WA_DeleteOnClose);

    msfgClass = new ui::ClassGrid(confirmationColumnCount, this);
    msfgClass->setObjectName(QStringLiteral("msfgClass"));
    msfgClass->setAccessibleName(QStringLiteral("Class to confirm for the eFile"));
    // A narrow face, so that a wrapped comment line of 75 characters fits its column.
    msfgClass->setFont(ui::programFont(QStringLiteral("Arial Narrow"), 8.25));
    setConfirmationColumnWidths();
    picOut = new QPlainTextEdit(this);
    picOut->setObjectName(QStringLiteral("picOut"));
    picOut->setAccessibleName(QStringLiteral("Verification report"));
    // Reached with Tab and read line by line with the arrow keys, as well as with the mouse.
    ui::readByCaret(picOut);
    picOut->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    picOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    picOut->setFont(ui::programFont(QStringLiteral("Courier New"), 10));
    picOut->hide();
    txtCommentWarnings = new QPlainTextEdit(this);
    txtCommentWarnings->setObjectName(QStringLiteral("txtCommentWarnings"));
    txtCommentWarnings->setAccessibleName(QStringLiteral("Free-form comments to read again"));
    ui::readByCaret(txtCommentWarnings);
    txtCommentWarnings->setFont(picOut->font());
    txtCommentWarnings->setFixedHeight(ui::twipsToPixelsY(warningsHeight, this));
    txtCommentWarnings->hide();
    chkConfirm = new QCheckBox(
        QStringLiteral("I confirm that these marks, comments and learning skills are correct."), this);
    chkConfirm->setObjectName(QStringLiteral("chkConfirm"));
    chkConfirm->hide();
    cmdExport = new QPushButton(QStringLiteral("Create eFile"), this);
    cmdExport->setObjectName(QStringLiteral("cmdExport"));
    cmdExport->hide();
    cmdSummary = ui::named(new QPushButton(QStringLiteral("Class &Summary"), this), "cmdSummary",
                           QStringLiteral("Class Summary"));
    cmdReturn = new QPushButton(QStringLiteral("Return to Mark / Comment Entry "), this);
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));
    QFont buttons = ui::programFont(QStringLiteral("MS Sans Serif"), 10);
    for (QWidget* w : std::initializer_list<QWidget*>{chkConfirm, cmdExport, cmdSummary, cmdReturn})
        w->setFont(buttons);
    for (QPushButton* b : {cmdExport, cmdSummary, cmdReturn}) {
        b->setMinimumHeight(32);
        b->setMinimumWidth(b->sizeHint().width() + 24);
    }

    msfgClass->setFixedHeight(ui::twipsToPixelsY(gridHeight, this));
    fitGridToColumns();
    picOut->setFixedWidth(ui::twipsToPixelsX(reportWidth, this));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    // The report panel lies over the left part of the grid's area, top to bottom.
    auto* area = new QGridLayout;
    area->addWidget(msfgClass, 0, 0);
    area->addWidget(picOut, 0, 0, Qt::AlignLeft);
    outer->addLayout(area);
    outer->addWidget(txtCommentWarnings);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkConfirm);
    bottom->addSpacing(16);
    bottom->addWidget(cmdExport);
    bottom->addStretch(1);
    bottom->addWidget(cmdSummary);
    bottom->addWidget(cmdReturn);
    outer->addLayout(bottom);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkConfirm, &QCheckBox::clicked, this, [this] { chkConfirm_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { cmdExport_Click(); });
    connect(cmdSummary, &QPushButton::clicked, this, &frmExport::summaryRequested);
    // Escape leaves as Return does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] { cmdReturn_Click(); });
}

void frmExport::Form_Load()
{
    if (state_.smallScreen)
        msfgClass->setFixedHeight(msfgClass->height() - ui::twipsToPixelsY(smallScreenCut, this));
    picOut->setFixedHeight(msfgClass->height());

    // Shown before the master list is read, so the teacher sees that something is happening.
    show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    classBefore_ = state_.students;
    const Verification v =
        verifyClass(state_.students, state_.phrases, masterFilePath(state_.folders.dataFolder), state_.clock,
                    state_.pause, [this](const DropReview& review) { return ui::confirmDrops(dialogs_, this, review); });
    if (v.updateFailed) {
        if (v.message)
            ui::showMessage(dialogs_, this, *v.message);
        return;
    }
    classReplaced_ = true;
    showCommentWarnings();
    if (!v.passed()) {
        showReport(v.report);
        return;
    }
    showConfirmationGrid(v.grid);
}

void frmExport::showReport(const std::vector<std::string>& lines)
{
    picOut->show();
    for (const std::string& line : lines)
        picOut->appendPlainText(ui::fromCp1252(line));
    picOut->moveCursor(QTextCursor::Start);
    // The report lies over the empty grid: the keyboard starts on the report, and Tab does not
    // stop at the grid under it.
    msfgClass->setFocusPolicy(Qt::NoFocus);
    picOut->setFocus(Qt::OtherFocusReason);
}

void frmExport::showCommentWarnings()
{
    CommentChecker checker = state_.spelling.checkerFor(state_.phrases, state_.students);
    const std::vector<std::string> lines =
        commentWarningReport(state_.students, classCommentFindings(state_.students, checker));
    txtCommentWarnings->setVisible(!lines.empty());
    for (const std::string& line : lines)
        txtCommentWarnings->appendPlainText(ui::fromCp1252(line));
    txtCommentWarnings->moveCursor(QTextCursor::Start);
}

void frmExport::showConfirmationGrid(const std::vector<ConfirmationRow>& rows)
{
    msfgClass->clear();
    msfgClass->setBackgroundOutsideCells(palette().color(QPalette::Button));
    msfgClass->setRows(0);
    for (const ConfirmationRow& row : rows)
        msfgClass->addRow(ui::fromCp1252(joinTabs(row)));
    setConfirmationColumnWidths();
    // The comment lines are wrapped at 75 characters; the column shows each whole, however wide
    // its letters are.
    const int comments = confirmationCommentColumn;
    msfgClass->setColumnWidthTwips(comments,
                                   std::max(msfgClass->columnWidthTwips(comments), msfgClass->widestTextTwips(comments)));
    fitGridToColumns();
    if (state_.studentCount() > buttonFaceClassLimit)
        msfgClass->setBackgroundOutsideCells(palette().color(QPalette::Base));
    for (int c = 0; c < confirmationMergedColumns; ++c)
        msfgClass->setMergeCol(c, true);
    msfgClass->setFixedRows(1);
    msfgClass->setFixedCols(confirmationFixedColumns);
    chkConfirm->setChecked(false);
    chkConfirm->show();
}

// The grid is as wide as its columns, plus room for its vertical scroll bar.
void frmExport::fitGridToColumns()
{
    int columnsWidth = 0;
    for (int c = 0; c < confirmationColumnCount; ++c)
        columnsWidth += msfgClass->columnWidthTwips(c);
    msfgClass->setFixedWidth(ui::twipsToPixelsX(columnsWidth, this) + msfgClass->frameWidth() * 2 +
                             msfgClass->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
}

void frmExport::setConfirmationColumnWidths()
{
    for (int c = 0; c < confirmationColumnCount; ++c)
        msfgClass->setColumnWidthTwips(c, confirmationColumnWidths()[static_cast<size_t>(c)]);
}

// The button comes up behind the box, where the teacher does not look: a screen reader is told.
void frmExport::chkConfirm_Click()
{
    cmdExport->setVisible(chkConfirm->isChecked());
    ui::describeChange(chkConfirm, chkConfirm->isChecked() ? QStringLiteral("The Create eFile button is now after this box")
                                                           : QString());
}

void frmExport::cmdReturn_Click()
{
    close();
}

void frmExport::cmdExport_Click()
{
    exportFile();
    cmdReturn_Click();
}

void frmExport::exportFile()
{
    ui::showMessage(dialogs_, this, exportPromptMessage());
    const QString folder = QFile::decodeName(dialogStartFolder(state_.folders.teacherFolder).c_str());
    const std::string proposed = state_.students.empty() ? std::string() : classFileBaseName(state_.students.front().courseCode);
    const QString chosen = dialogs_.saveFile(this, QStringLiteral("Save eFile"), QString::fromLatin1(exportFilter),
                                             folder, ui::fromCp1252(proposed));
    if (chosen.isEmpty())
        return;
    const std::string path = QFile::encodeName(chosen).toStdString();
    if (!writeExportFile(path, state_.students, state_.phrases)) {
        // Saying nothing would leave the teacher believing the eFile was made.
        ui::showMessage(dialogs_, this, exportFailedMessage());
        return;
    }
    ui::showMessage(dialogs_, this, exportDoneMessage());
}

void frmExport::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!returned_) {
        returned_ = true;
        emit returned();
    }
}

} // namespace tq
