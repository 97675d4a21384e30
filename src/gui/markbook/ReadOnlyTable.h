#pragma once
// The import window's tables: read-only, chosen by rows, Tab leaving them for the next control.
#include <QStringList>

class QTableWidget;

namespace tq {

void setUpReadOnlyTable(QTableWidget& table, const QStringList& headings);
void setTableRow(QTableWidget& table, int row, const QStringList& cells, bool bold = false);
// A sheet's row number as shown, "" for none (0).
QString shownRowNumber(int row);

} // namespace tq
