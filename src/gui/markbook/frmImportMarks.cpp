#include "gui/markbook/frmImportMarks.h"

#include "core/markbook/PreviewWords.h"
#include "gui/markbook/ImportPreviewTable.h"
#include "gui/markbook/ImportProblemTable.h"
#include "gui/markbook/MarkbookColumnChoice.h"
#include "gui/markbook/MarkbookReading.h"
#include "gui/markbook/SheetRowsTable.h"
#include "gui/widgets/Dialogs.h"
#include "gui/widgets/DropDownList.h"
#include "gui/widgets/NamedControls.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace tq {

namespace {
QString counted(size_t n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
}

// What the counts label says, and a screen reader announces, after every change of the plan.
QString countsText(const ImportPlan& plan)
{
    const size_t changes = static_cast<size_t>(plan.markChangeCount());
    QString text = counted(plan.students.size(), "student", "students") + QStringLiteral(": ") +
                   counted(changes, "mark changes", "marks change") + QStringLiteral(", ") +
                   counted(plan.studentsWithoutRow.size(), "student without a row", "students without a row") +
                   QStringLiteral(". ") +
                   counted(plan.unmatchedRows.size(), "row matches no student", "rows match no student") +
                   QStringLiteral(", ") + counted(plan.ambiguousRows.size(), "ambiguous row", "ambiguous rows") +
                   QStringLiteral(", ") + counted(plan.refusedValues.size(), "value refused", "values refused");
    if (!plan.rowsBeyondClass.empty())
        text += QStringLiteral(", ") + counted(plan.rowsBeyondClass.size(), "line beyond the last student",
                                                 "lines beyond the last student");
    return text + QStringLiteral(".");
}

QLabel* captionFor(const char* caption, QWidget* control)
{
    auto* label = new QLabel(QString::fromLatin1(caption));
    ui::captionControl(label, control);
    return label;
}
} // namespace

frmImportMarks::frmImportMarks(const ClassList& students, const std::vector<InitialValueRange>* ranges,
                               ui::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), students_(students), ranges_(ranges), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmImportMarks"));
    setWindowTitle(QStringLiteral("Import Marks"));
    reading_ = new MarkbookReading(this);
    // Made in reading order, which Tab follows.
    tblFirstRows = ui::named(new SheetRowsTable(this), "tblFirstRows");
    choice_ = ui::named(new MarkbookColumnChoice(this), "choice");
    tblPreview = ui::named(new ImportPreviewTable(this), "tblPreview");
    tblProblems = ui::named(new ImportProblemTable(this), "tblProblems");
    lblCounts = ui::named(new QLabel(QStringLiteral("Reading the markbook\u2026"), this), "lblCounts");
    lblCounts->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    cmdApply = ui::named(buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::AcceptRole), "cmdApply");
    cmdCancel = ui::named(buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole), "cmdCancel");
    cmdApply->setEnabled(false);
    cmdApply->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionFor("First &rows of the markbook:", tblFirstRows));
    layout->addWidget(tblFirstRows, 2);
    layout->addWidget(choice_);
    layout->addWidget(lblCounts);
    layout->addWidget(captionFor("&Preview:", tblPreview));
    layout->addWidget(tblPreview, 6);
    layout->addWidget(captionFor("Left &out:", tblProblems));
    layout->addWidget(tblProblems, 1);
    layout->addWidget(buttons);
    resize(860, 720);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The teacher changed a choice: the new counts are said after it, and Apply going grey.
    const auto replanAloud = [this](const std::function<void()>& replanning) {
        const bool couldApply = cmdApply->isEnabled();
        replanning();
        QString words = lblCounts->text();
        if (couldApply && !cmdApply->isEnabled())
            words += QStringLiteral(" Apply is unavailable.");
        ui::sayAfterChoice(this, words);
    };
    connect(choice_, &MarkbookColumnChoice::changed, this, [this, replanAloud] { replanAloud([this] { replan(); }); });
    connect(choice_, &MarkbookColumnChoice::sheetChanged, this,
            [this, replanAloud] { replanAloud([this] { showSheet(); }); });
    connect(choice_, &MarkbookColumnChoice::headingRowChanged, this, [this, replanAloud] {
        // The columns are proposed again below the row the teacher gave.
        replanAloud([this] {
            const SheetTable& sheet = sheets_[static_cast<size_t>(choice_->sheetIndex())];
            choice_->showChoice(sheet, proposeChoiceBelow(sheet, choice_->headingRow(), students_),
                                choice_->offersMarksDown());
            replan();
        });
    });
    connect(reading_, &MarkbookReading::done, this, [this](std::shared_ptr<const MarkbookOpened> opened) {
        const SheetReadResult* read = &opened->read;
        if (!read->error.empty() || read->sheets.empty()) {
            dialogs_.message(this, QString::fromStdString(read->error.empty() ? "The markbook holds no sheet." : read->error),
                             QStringLiteral("Import Marks"));
            reject();
            return;
        }
        showSheets(read->sheets, opened.get());
    });
}

frmImportMarks::~frmImportMarks() = default;

void frmImportMarks::readFile(const QString& path)
{
    reading_->start(path, students_, ranges_);
}

void frmImportMarks::showPasted(SheetTable sheet, int currentStudent)
{
    currentStudent_ = currentStudent;
    std::vector<SheetTable> sheets;
    sheets.push_back(std::move(sheet));
    showSheets(std::move(sheets));
}

void frmImportMarks::showSheets(std::vector<SheetTable> sheets, const MarkbookOpened* opened)
{
    sheets_ = std::move(sheets);
    choice_->setSheets(sheets_, opened ? opened->sheet : 0);
    showSheet(opened);
    ready_ = true;
    // Pasted lines are shown from the first student they are for.
    if (currentStudent_ >= 0 && tblPreview->rowCount() > 0)
        tblPreview->setCurrentCell(firstPastedStudent(plan_), 0);
    tblPreview->setFocus(Qt::OtherFocusReason);
    emit shown();
}

void frmImportMarks::showSheet(const MarkbookOpened* opened)
{
    const SheetTable& sheet = sheets_[static_cast<size_t>(choice_->sheetIndex())];
    tblFirstRows->showSheet(sheet);
    if (opened) {
        // Worked out on the reading thread: a large file costs the window nothing more.
        choice_->showChoice(sheet, opened->choice, false);
        plan_ = opened->plan;
        showPlan();
        return;
    }
    choice_->showChoice(sheet, proposeChoice(sheet, students_), currentStudent_ >= 0);
    replan();
}

void frmImportMarks::replan()
{
    const SheetTable& sheet = sheets_[static_cast<size_t>(choice_->sheetIndex())];
    const MarkbookChoice choice = choice_->choice();
    plan_ = currentStudent_ >= 0 && choice.key.kind == KeyKind::None
                ? planMarksDown(sheet, choice, currentStudent_, students_, ranges_)
                : planImport(sheet, choice, students_, ranges_);
    showPlan();
}

void frmImportMarks::showPlan()
{
    tblPreview->showPlan(plan_, students_);
    tblProblems->showPlan(plan_, students_);
    lblCounts->setText(countsText(plan_));
    lblCounts->setAccessibleName(lblCounts->text());
    cmdApply->setEnabled(plan_.changeCount() > 0);
}

} // namespace tq
