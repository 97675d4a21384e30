#include "gui/markbook/ImportPreviewTable.h"

#include "gui/widgets/Codepage.h"

#include <QHeaderView>

namespace tq {

namespace {
void setUp(QTableWidget& table, const QStringList& headings)
{
    table.setColumnCount(static_cast<int>(headings.size()));
    table.setHorizontalHeaderLabels(headings);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setTabKeyNavigation(false); // Tab leaves the table for the next control
    table.verticalHeader()->setVisible(false);
    table.horizontalHeader()->setStretchLastSection(true);
}

void setRow(QTableWidget& table, int row, const QStringList& cells, bool bold = false)
{
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        if (bold) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
        table.setItem(row, c, item);
    }
}

QString rowNumber(int row) { return row > 0 ? QString::number(row) : QString(); }

QString nameOf(const ClassList& students, int i)
{
    return ui::fromCp1252(listedName(students[static_cast<size_t>(i)]));
}
} // namespace

ImportPreviewTable::ImportPreviewTable(QWidget* parent) : QTableWidget(parent)
{
    setUp(*this, {QStringLiteral("Student"), QStringLiteral("Old mark"), QStringLiteral("New mark"),
                  QStringLiteral("Row"), QStringLiteral("Initial values")});
}

void ImportPreviewTable::showPlan(const ImportPlan& plan, const ClassList& students)
{
    setUpdatesEnabled(false);
    setRowCount(static_cast<int>(plan.students.size()));
    for (size_t r = 0; r < plan.students.size(); ++r) {
        const StudentPreview& p = plan.students[r];
        setRow(*this, static_cast<int>(r),
               {nameOf(students, p.student), ui::fromCp1252(p.oldMark), QString::fromStdString(p.shown),
                rowNumber(p.sourceRow), QString::fromStdString(p.initialValues)},
               p.applies());
    }
    resizeColumnsToContents();
    setUpdatesEnabled(true);
}

ImportProblemTable::ImportProblemTable(QWidget* parent) : QTableWidget(parent)
{
    setUp(*this, {QStringLiteral("Row"), QStringLiteral("Row or student"), QStringLiteral("Problem")});
}

void ImportProblemTable::showPlan(const ImportPlan& plan, const ClassList& students)
{
    setUpdatesEnabled(false);
    setRowCount(0);
    for (const std::vector<RowProblem>* list :
         {&plan.refusedValues, &plan.ambiguousRows, &plan.unmatchedRows, &plan.rowsBeyondClass})
        for (const RowProblem& p : *list) {
            const int row = rowCount();
            setRowCount(row + 1);
            setRow(*this, row, {rowNumber(p.row), QString::fromStdString(p.who), QString::fromStdString(p.reason)});
        }
    for (const int i : plan.studentsWithoutRow) {
        const int row = rowCount();
        setRowCount(row + 1);
        setRow(*this, row, {QString(), nameOf(students, i), QStringLiteral("no row in the markbook: the mark stays")});
    }
    resizeColumnsToContents();
    setUpdatesEnabled(true);
}

SheetRowsTable::SheetRowsTable(QWidget* parent) : QTableWidget(parent)
{
    setUp(*this, {});
    verticalHeader()->setVisible(true);
    horizontalHeader()->setStretchLastSection(false);
}

void SheetRowsTable::showSheet(const SheetTable& sheet)
{
    const int rows = std::min(static_cast<int>(sheet.rows.size()), rowsShown);
    int columns = 0;
    for (int r = 0; r < rows; ++r)
        columns = std::max(columns, static_cast<int>(sheet.rows[static_cast<size_t>(r)].size()));
    clear();
    setRowCount(rows);
    setColumnCount(columns);
    QStringList letters;
    for (int c = 0; c < columns; ++c)
        letters << QString::fromStdString(columnLetters(c));
    setHorizontalHeaderLabels(letters);
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (const std::string& cell : sheet.rows[static_cast<size_t>(r)])
            cells << QString::fromStdString(cell);
        setRow(*this, r, cells);
    }
    resizeColumnsToContents();
}

} // namespace tq
