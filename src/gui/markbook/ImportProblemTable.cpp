#include "gui/markbook/ImportProblemTable.h"

#include "core/markbook/PreviewWords.h"
#include "gui/markbook/ReadOnlyTable.h"
#include "gui/widgets/Codepage.h"

namespace tq {

ImportProblemTable::ImportProblemTable(QWidget* parent) : QTableWidget(parent)
{
    setUpReadOnlyTable(*this, {QStringLiteral("Row"), QStringLiteral("Row or student"), QStringLiteral("Problem")});
}

void ImportProblemTable::showPlan(const ImportPlan& plan, const ClassList& students)
{
    setUpdatesEnabled(false);
    setRowCount(0);
    // The row cell says "row 4" or "no row", never nothing.
    const auto add = [this](int sheetRow, const QStringList& cells) {
        const int row = rowCount();
        setRowCount(row + 1);
        setTableRow(*this, row, QStringList{shownRowNumber(sheetRow)} + cells);
        setSpokenRow(*this, row, {sheetRowWords(sheetRow)});
    };
    for (const std::vector<RowProblem>* list :
         {&plan.refusedValues, &plan.ambiguousRows, &plan.unmatchedRows, &plan.rowsBeyondClass, &plan.totalsRows})
        for (const RowProblem& p : *list)
            add(p.row, {QString::fromStdString(p.who), QString::fromStdString(p.reason)});
    for (const int i : plan.studentsWithoutRow)
        add(0, {ui::fromCp1252(listedName(students[static_cast<size_t>(i)])),
                QStringLiteral("no row in the markbook: the mark stays")});
    resizeColumnsToContents();
    setUpdatesEnabled(true);
}

} // namespace tq
