#include "gui/markbook/ImportPreviewTable.h"

#include "core/markbook/PreviewWords.h"
#include "gui/markbook/ReadOnlyTable.h"
#include "gui/widgets/Codepage.h"

namespace tq {

ImportPreviewTable::ImportPreviewTable(QWidget* parent) : QTableWidget(parent)
{
    setUpReadOnlyTable(*this, {QStringLiteral("Student"), QStringLiteral("Old mark"), QStringLiteral("New mark"),
                               QStringLiteral("Row"), QStringLiteral("Initial values")});
}

void ImportPreviewTable::showPlan(const ImportPlan& plan, const ClassList& students)
{
    setUpdatesEnabled(false);
    setRowCount(static_cast<int>(plan.students.size()));
    for (size_t r = 0; r < plan.students.size(); ++r) {
        const StudentPreview& p = plan.students[r];
        const StudentRecord& student = students[static_cast<size_t>(p.student)];
        setTableRow(*this, static_cast<int>(r),
                    {ui::fromCp1252(listedName(student)), ui::fromCp1252(p.oldMark), QString::fromStdString(p.shown),
                     shownRowNumber(p.sourceRow), QString::fromStdString(p.initialValues)},
                    p.applies());
        setSpokenRow(*this, static_cast<int>(r), previewCellWords(p, student));
    }
    resizeColumnsToContents();
    setUpdatesEnabled(true);
}

} // namespace tq
