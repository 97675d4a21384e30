// Marks from outside in the main window: File > Import Marks reads a markbook file, Edit > Paste
// Marks takes a spreadsheet's lines from the clipboard; both show the Import Marks window first
// and store what it shows as one undo step. Edit > Copy Class as Table puts the shown grid on
// the clipboard for a spreadsheet.
#include "core/entry/ClassGridLayout.h"
#include "core/markbook/ClipboardText.h"
#include "core/markbook/MarkbookFile.h"
#include "core/program/ProgramState.h"
#include "gui/main/frmEntry.h"
#include "gui/markbook/frmImportMarks.h"
#include "gui/widgets/ClassGrid.h"
#include "gui/widgets/Codepage.h"
#include "gui/widgets/Dialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>

namespace tq {

frmImportMarks* frmEntry::openImportWindow(const char* how)
{
    const std::vector<InitialValueRange>* ranges = optAutoFill->isChecked() ? &state_.favourites.initialRanges : nullptr;
    auto* dialog = new frmImportMarks(state_.students, ranges, dialogs_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The window is modal: the class and the ranges cannot change while it is open.
    connect(dialog, &QDialog::accepted, this, [this, dialog, ranges, how] {
        applyImportedMarks(dialog->plan(), ranges, how);
    });
    dialog->open();
    return dialog;
}

void frmEntry::importMarksCommand()
{
    if (state_.studentCount() < 1)
        return;
    const QString chosen = dialogs_.openFile(this, QStringLiteral("Import Marks"), QString::fromLatin1(markbookFileFilter),
                                             QFile::decodeName(fileDialogFolder(state_.folders).c_str()));
    if (!chosen.isEmpty())
        openImportWindow("imported")->readFile(chosen);
}

void frmEntry::pasteMarksCommand()
{
    const int row = msfgClass->selectedRow();
    if (row < 1 || row > state_.studentCount() || msfgClass->selectedCol() != markColumn)
        return;
    SheetTable sheet = pastedSheet(QGuiApplication::clipboard()->text().toStdString());
    if (sheet.rows.empty())
        return;
    openImportWindow("pasted")->showPasted(std::move(sheet), row - 1);
}

void frmEntry::copyGridCommand()
{
    if (state_.studentCount() < 1)
        return;
    std::vector<int> shown;
    for (int c = 0; c < gridColumnCount; ++c)
        if (msfgClass->columnWidthTwips(c) > 0)
            shown.push_back(c);
    // Plain text for editors, HTML for spreadsheets, which read the IDs and codes in it as text.
    auto* copied = new QMimeData;
    copied->setText(ui::fromCp1252(gridCopyText(state_.students, showCourseCodes(), shown)));
    copied->setHtml(QString::fromStdString(gridCopyHtml(state_.students, showCourseCodes(), shown)));
    QGuiApplication::clipboard()->setMimeData(copied);
}

void frmEntry::applyImportedMarks(const ImportPlan& plan, const std::vector<InitialValueRange>* ranges,
                                  const char* how)
{
    std::vector<int> changing;
    size_t marksChanging = 0; // a mark stored again only for its initial values is no new mark
    for (const StudentPreview& p : plan.students)
        if (p.applies()) {
            changing.push_back(p.student);
            marksChanging += p.newMark != p.oldMark;
        }
    if (changing.empty())
        return;
    undoStack_.pushStudents(state_.students, changing, describeMarks(marksChanging, how));
    showUndoState();
    ClassList before;
    for (const int i : changing)
        before.push_back(state_.students[static_cast<size_t>(i)]);
    applyImport(plan, state_.students, ranges);
    classChanged();
    // As for a typed mark, what the initial values gave is shown in red.
    const QColor red(255, 0, 0);
    for (size_t n = 0; n < changing.size(); ++n) {
        const int i = changing[n];
        const StudentRecord& now = state_.students[static_cast<size_t>(i)];
        redrawStudentRow(i);
        for (int k = 1; k <= 3; ++k)
            if (now.comment(k) != before[n].comment(k))
                msfgClass->setCellForeground(i + 1, firstCommentColumn + k - 1, red);
        for (int k = 1; k <= skillCount; ++k)
            if (now.skill(k) != before[n].skill(k))
                msfgClass->setCellForeground(i + 1, firstSkillColumn + k - 1, red);
    }
    const int current = msfgClass->currentRow() - 1;
    if (current >= 0 && current < state_.studentCount())
        displayDetails(current);
    confirmDone(QString::fromStdString(describeMarks(marksChanging, "")) +
                (marksChanging == 1 ? QStringLiteral(" stored. Ctrl+Z takes it back.")
                                    : QStringLiteral(" stored. Ctrl+Z takes them back.")),
                true);
}

} // namespace tq
